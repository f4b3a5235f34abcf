// Member text to listed rows, and the archive the build ships.

#include "reference/ExtensionCatalogue.h"
#include "reference/ExtensionCategories.h"

#include <QSet>
#include <QtTest>

using namespace termora::reference;

Q_DECLARE_METATYPE(QList<ExtensionRow>)

namespace QTest {
template <>
char* toString(const QList<ExtensionRow>& rows) {
    QStringList parts;
    for (const ExtensionRow& row : rows) parts.append(row.extension + "|" + row.description);
    return qstrdup(parts.join(QStringLiteral(" ; ")).toUtf8().constData());
}
}  // namespace QTest

class ExtensionCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void memberLinesBecomeSortedRows_data() {
        QTest::addColumn<QByteArray>("member");
        QTest::addColumn<QList<ExtensionRow>>("rows");
        const QList<ExtensionRow> ab{{"a", "1"}, {"b", "2"}};
        QTest::newRow("CR LF") << QByteArray("b=2\r\na=1\r\n") << ab;
        QTest::newRow("CR") << QByteArray("b=2\ra=1\r") << ab;
        QTest::newRow("LF, last line unended") << QByteArray("b=2\na=1") << ab;
        QTest::newRow("mixed breaks") << QByteArray("c=3\r\nb=2\ra=1\n")
                                      << QList<ExtensionRow>{{"a", "1"}, {"b", "2"}, {"c", "3"}};
        QTest::newRow("out of order, without regard to case")
            << QByteArray("mp3=MP3 audio\nAVI=AVI video\nbmp=BMP image\n")
            << QList<ExtensionRow>{{"AVI", "AVI video"}, {"bmp", "BMP image"}, {"mp3", "MP3 audio"}};
        QTest::newRow("split at the first =") << QByteArray("a=b=c\n") << QList<ExtensionRow>{{"a", "b=c"}};
        QTest::newRow("duplicates kept") << QByteArray("a=1\na=1\n") << QList<ExtensionRow>{{"a", "1"}, {"a", "1"}};
        QTest::newRow("equal ignoring case keep their order")
            << QByteArray("a=1\nA=1\n") << QList<ExtensionRow>{{"a", "1"}, {"A", "1"}};
        QTest::newRow("the whole line is the sort key")
            << QByteArray("a=2\na-b=1\n") << QList<ExtensionRow>{{"a-b", "1"}, {"a", "2"}};
        QTest::newRow("no = is all extension") << QByteArray("readme\n") << QList<ExtensionRow>{{"readme", ""}};
        QTest::newRow("empty line kept") << QByteArray("b=2\n\na=1")
                                         << QList<ExtensionRow>{{"", ""}, {"a", "1"}, {"b", "2"}};
        QTest::newRow("empty member") << QByteArray() << QList<ExtensionRow>{};
        QTest::newRow("Windows-1252 text")
            << QByteArray("m7=Thomson M\xe9mo7 cartridge\n")
            << QList<ExtensionRow>{{"m7", QString::fromUtf8("Thomson M\xc3\xa9mo7 cartridge")}};
    }
    void memberLinesBecomeSortedRows() {
        QFETCH(QByteArray, member);
        QFETCH(QList<ExtensionRow>, rows);
        QCOMPARE(catalogueRows(member), rows);
    }

    // Every category of the archive the build places beside the programs.
    void shippedArchiveReadsEveryCategory() {
        QSet<QString> all;
        QList<ExtensionRow> showAll;
        for (const auto category : kExtensionCategories) {
            const QString name = QString::fromLatin1(category.data(), qsizetype(category.size()));
            const QList<ExtensionRow> rows = readCategory(QStringLiteral(TERMORA_EXTENSION_ARCHIVE), name);
            QVERIFY2(!rows.isEmpty(), qPrintable(name));
            for (const ExtensionRow& row : rows) {
                QVERIFY2(!row.extension.isEmpty() && !row.description.isEmpty(), qPrintable(name));
                QVERIFY2(!row.extension.startsWith(QLatin1Char('.')), qPrintable(row.extension));
            }
            if (category == kExtensionCategories.back())
                showAll = rows;
            else
                for (const ExtensionRow& row : rows) all.insert(row.extension + "=" + row.description);
        }
        QSet<QString> shown;
        for (const ExtensionRow& row : showAll) shown.insert(row.extension + "=" + row.description);
        QCOMPARE(shown, all);
        QCOMPARE(showAll.size(), all.size());
    }
};

QTEST_GUILESS_MAIN(ExtensionCatalogueTest)
#include "ExtensionCatalogueTest.moc"
