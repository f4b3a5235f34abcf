#include "views/MeaningArrangement.h"

#include <QtTest>

using termora::TextRange;

class MeaningArrangementTest : public QObject {
    Q_OBJECT

private slots:
    void arrange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("autoArrange");
        QTest::addColumn<QString>("arranged");
        QTest::addColumn<QList<TextRange>>("markers");

        QTest::newRow("two meanings, one per line")
            << "<1> Apple <2> Ampere (Satuan SI Kuat Arus Listrik)" << true
            << "<1> Apple \n<2> Ampere (Satuan SI Kuat Arus Listrik)" << QList<TextRange>{{0, 4}, {11, 4}};
        QTest::newRow("unarranged keeps one line")
            << "<1> Apple <2> Ampere" << false << "<1> Apple <2> Ampere" << QList<TextRange>{{0, 4}, {10, 4}};
        QTest::newRow("two-digit marker exactly")
            << "<9> i <10> j" << true << "<9> i \n<10> j" << QList<TextRange>{{0, 4}, {7, 4}};
        QTest::newRow("three-digit marker exactly") << "<123> x" << true << "<123> x" << QList<TextRange>{{0, 5}};
        QTest::newRow("no marker") << "Triple DES" << true << "Triple DES" << QList<TextRange>{};
        QTest::newRow("'<' without digit is not arranged")
            << "a <b> c <1> d" << true << "a <b> c <1> d" << QList<TextRange>{{2, 4}, {8, 4}};
        QTest::newRow("'<0' does not start an arrangement") << "<0> x" << true << "<0> x" << QList<TextRange>{{0, 4}};
        QTest::newRow("words before the first marker are dropped")
            << "see <1> a <2> b" << true << "<1> a \n<2> b" << QList<TextRange>{{0, 4}, {7, 4}};
        QTest::newRow("a lone '<' at the end") << "x <" << true << "x <" << QList<TextRange>{};
        QTest::newRow("marker at the very end is cut at the text's end") << "a <1>" << false << "a <1>"
                                                                         << QList<TextRange>{{2, 3}};
    }
    void arrange() {
        QFETCH(QString, text);
        QFETCH(bool, autoArrange);
        QFETCH(QString, arranged);
        QFETCH(QList<TextRange>, markers);
        const auto result = termora::arrangeMeanings(text, autoArrange);
        QCOMPARE(result.text, arranged);
        QCOMPARE(result.markers, markers);
    }

    // Where the user's own meanings begin moves with the text's line breaks.
    void ownMeaningsMoveWithTheirText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("autoArrange");
        QTest::addColumn<int>("ownFrom");
        QTest::addColumn<int>("arrangedFrom");
        QTest::newRow("the second of two") << "<1> Apple <2> Ampere" << true << 10 << 11;
        QTest::newRow("the third of three") << "<1> a <2> b <3> c" << true << 12 << 14;
        QTest::newRow("unarranged stays") << "<1> Apple <2> Ampere" << false << 10 << 10;
        QTest::newRow("all of a numbered text") << "<1> a <2> b" << true << 0 << 0;
        QTest::newRow("after dropped words") << "see <1> a <2> b" << true << 10 << 7;
        QTest::newRow("all of a plain text") << "Triple DES" << true << 0 << 0;
        QTest::newRow("none") << "<1> a <2> b" << true << -1 << -1;
    }
    void ownMeaningsMoveWithTheirText() {
        QFETCH(QString, text);
        QFETCH(bool, autoArrange);
        QFETCH(int, ownFrom);
        QFETCH(int, arrangedFrom);
        const auto result = termora::arrangeMeanings(text, autoArrange, ownFrom);
        QCOMPARE(result.ownFrom, arrangedFrom);
        if (ownFrom >= 0) QCOMPARE(result.text.mid(result.ownFrom).remove(QLatin1Char('\n')), text.mid(ownFrom));
    }

    void positions_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("markers") << "<" << "<1> a <2> b" << QList<int>{1, 7};
        QTest::newRow("overlapping hits") << "aa" << "aaaa" << QList<int>{1, 2, 3};
        QTest::newRow("none") << "<" << "plain" << QList<int>{};
        QTest::newRow("empty pattern") << "" << "plain" << QList<int>{};
    }
    void positions() {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(QList<int>, positions);
        QCOMPARE(termora::PosList(pattern, text), positions);
        QCOMPARE(termora::PosCount(pattern, text), positions.size());
    }
};

QTEST_GUILESS_MAIN(MeaningArrangementTest)
#include "MeaningArrangementTest.moc"
