// The user's own entries on the dictionary page, as a person sees them: typed
// searches find them with every method and length, and the expansion view
// shows the user's meanings after the built-in ones, in their own colour,
// with the legend that says whose they are.

#include "common/DictionaryControls.h"
#include "common/DictionaryInput.h"
#include "common/FixtureStore.h"
#include "common/ScriptedDialogs.h"
#include "common/TestFiles.h"
#include "views/DictionaryPage.h"
#include "views/DictionarySource.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include <optional>

using termora::DictionaryPage;
using termora::DictionarySource;
using termora::testing::DictionaryControls;
using termora::testing::listedKeys;

namespace {

const QColor kOwn(160, 82, 45);
const QColor kMarker(0, 0, 255);

// What a character of the view looks like.
struct Look {
    QColor colour;
    bool bold;
    bool italic;
    bool operator==(const Look&) const = default;
};

}  // namespace

namespace QTest {
template <>
char* toString(const Look& look) {
    return qstrdup(qPrintable(QStringLiteral("%1%2%3").arg(look.colour.name(), look.bold ? " bold" : "", look.italic ? " italic" : "")));
}
}  // namespace QTest

class OwnMeaningsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_data;
    std::optional<DictionarySource> m_source;
    std::unique_ptr<DictionaryPage> m_page;
    std::optional<DictionaryControls> ui;

    void search(const QString& text, QAbstractButton* method = nullptr) { termora::testing::typeSearch(*ui, text, method); }

    Look lookAt(int position) const {
        QTextCursor cursor(ui->Kep->document());
        cursor.setPosition(position + 1);  // the format of the character before the cursor
        const QTextCharFormat format = cursor.charFormat();
        const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor(Qt::black);
        return {colour, format.fontWeight() == QFont::Bold, format.fontItalic()};
    }

    // The looks of the view's text from one position to the next.
    void expectLook(int from, int to, const Look& look) const {
        for (int position = from; position < to; ++position) {
            if (ui->Kep->toPlainText().at(position) == QLatin1Char('\n')) continue;
            QCOMPARE(lookAt(position), look);
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(m_data.isValid());
        QVERIFY(termora::testing::writeFile(m_data.filePath("New.txt"), "(S:'ram';L:'Rapid Access Mine'),\r\n"));
        QVERIFY(termora::testing::writeFile(m_data.filePath("dictionaries/mine.tsv"),
                                            "ZZQ\t<1> Zed's Queue <2> Zebra Quay\nASAP\tAnother Sap\nzzq\tZulu\n"));
        m_source.emplace(termora::fixture::store(), m_data.path().toStdString() + "/");
    }
    void init() {
        m_page = std::make_unique<DictionaryPage>(*m_source);
        ui.emplace(*m_page);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }
    void cleanup() {
        ui.reset();
        m_page.reset();
    }

    void theUsersMeaningsFollowTheBuiltInOnesInTheirColour() {
        QLabel* legend = m_page->findChild<QLabel*>("ownMeanings");
        QVERIFY(!legend->isVisible());
        search("ram");
        QCOMPARE(ui->NI->text(), QString("[ 1 / 5 ]"));
        const QString shown = "<1> Random Access Memory \n<2> Rapid Access Mine";
        QCOMPARE(ui->Kep->toPlainText(), shown);
        const int own = int(shown.indexOf("<2>"));
        expectLook(0, 4, {kMarker, true, false});
        expectLook(4, own, {Qt::black, false, false});
        expectLook(own, own + 4, {kMarker, true, true});
        expectLook(own + 4, int(shown.size()), {kOwn, false, true});
        QVERIFY(legend->isVisible());
        QCOMPARE(legend->text(), QString("Your own meanings"));
        QCOMPARE(legend->palette().color(QPalette::WindowText), kOwn);
        QVERIFY(legend->font().italic());

        // A built-in entry without the user's meanings: plain, no legend.
        QVERIFY(termora::testing::clickListedKey(*ui, "RAMP"));
        QCOMPARE(ui->Kep->toPlainText(), QString("Ramp Up"));
        expectLook(0, 7, {Qt::black, false, false});
        QVERIFY(!legend->isVisible());

        // Unarranged, the user's meanings begin at their marker all the same.
        QTest::mouseClick(ui->AA, Qt::LeftButton);
        QVERIFY(termora::testing::clickListedKey(*ui, "RAM"));
        QCOMPARE(ui->Kep->toPlainText(), QString("<1> Random Access Memory <2> Rapid Access Mine"));
        expectLook(4, 25, {Qt::black, false, false});
        expectLook(29, 46, {kOwn, false, true});
        QVERIFY(legend->isVisible());
    }

    void anEntryOfTheUsersOwnIsAllTheirs() {
        search("zz", ui->m2);
        QCOMPARE(listedKeys(*ui), QStringList{"ZZQ"});
        const QString shown = "<1> Zed's Queue \n<2> Zebra Quay \n<3> Zulu";
        QCOMPARE(ui->Kep->toPlainText(), shown);
        expectLook(4, 16, {kOwn, false, true});
        expectLook(0, 4, {kMarker, true, true});

        // The Modern grid's row shows the same marked text.
        QTest::mouseClick(ui->vsModern, Qt::LeftButton);
        termora::testing::clickRow(*ui->Grid, 0);
        QCOMPARE(ui->Kep->toPlainText(), shown);
        expectLook(4, 16, {kOwn, false, true});
        QTest::mouseClick(ui->vsClassic, Qt::LeftButton);
    }

    // Every method and the length filter find the user's entries beside the
    // built-in ones, each key once.
    void everyMethodAndLengthFindsThem_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("exact") << "m1" << "zz" << QStringList{"ZZQ"};
        QTest::newRow("exact, a joined key once") << "m1" << "asap" << QStringList{"ASAP"};
        QTest::newRow("related") << "m2" << "sap" << QStringList{"ASAP", "ISAPI", "SAP"};
        QTest::newRow("containing the user's text") << "m3" << "another sap" << QStringList{"ASAP"};
        QTest::newRow("containing the built-in text") << "m3" << "always say" << QStringList{"ASAP"};
        QTest::newRow("containing a marker numbered on") << "m3" << "<4>" << QStringList{"ASAP", "XII"};
        QTest::newRow("anagram") << "m4" << "qzz" << QStringList{"ZZQ"};
    }
    void everyMethodAndLengthFindsThem() {
        QFETCH(QString, method);
        QFETCH(QString, text);
        QFETCH(QStringList, keys);
        search(text, m_page->findChild<QAbstractButton*>(method));
        QCOMPARE(listedKeys(*ui), keys);
    }

    void theLengthButtonsHoldTheUsersKeys() {
        search("z", ui->m2);
        QCOMPARE(listedKeys(*ui), QStringList{"ZZQ"});
        QVERIFY(ui->t(3)->isEnabled());
        QTest::mouseClick(ui->t(3), Qt::LeftButton);
        QCOMPARE(listedKeys(*ui), QStringList{"ZZQ"});
        QCOMPARE(ui->Kep->toPlainText(), QString("<1> Zed's Queue \n<2> Zebra Quay \n<3> Zulu"));
    }

    void theMeaningCountCountsTheUsersMeanings() {
        termora::testing::DialogScript dialogs;
        search("zz", ui->m2);
        QTest::mouseDClick(ui->Label4, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QString("3 Subkata"));
    }
};

QTEST_MAIN(OwnMeaningsTest)
#include "OwnMeaningsTest.moc"
