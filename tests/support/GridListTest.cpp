// The list files of the contributor and more-software grids: their bytes,
// their reading, the own-row removal and the version order.

#include "base/TermoraConstants.h"
#include "platform/UserError.h"
#include "support/GridFile.h"
#include "support/GridText.h"
#include "support/MoreList.h"
#include "support/SupportData.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace termora;
using namespace termora::support;

namespace {

QByteArray utf16(const QString& text, bool littleEndian) {
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (const QChar c : text) {
        const char low = static_cast<char>(c.unicode() & 0xFF);
        const char high = static_cast<char>(c.unicode() >> 8);
        bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
    }
    return bytes;
}

QStringList names(const GridRows& rows) {
    QStringList out;
    for (const QStringList& row : rows) out.append(field(row, kMoreName));
    return out;
}

GridRows rowsOf(const QList<std::pair<QString, QString>>& nameAndVersion) {
    GridRows rows;
    for (const auto& [name, version] : nameAndVersion) rows.append({name, version});
    return rows;
}

}  // namespace

class GridListTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<GridRows>("rows");
        QTest::newRow("tabs and crlf") << QByteArray("a\tb\tc\r\nd\te\r\n")
                                       << GridRows{{"a", "b", "c"}, {"d", "e"}};
        QTest::newRow("empty fields kept") << QByteArray("a\t\t-\t") << GridRows{{"a", "", "-", ""}};
        QTest::newRow("bar is a line break") << QByteArray("x\tone|two") << GridRows{{"x", "one\ntwo"}};
        QTest::newRow("quotes group a tab") << QByteArray("\"a\tb\"\tc") << GridRows{{"a\tb", "c"}};
        QTest::newRow("doubled quote inside") << QByteArray("\"say \"\"hi\"\"\"\tc") << GridRows{{"say \"hi\"", "c"}};
        QTest::newRow("quote inside a field stays") << QByteArray("the \"best\"\tc") << GridRows{{"the \"best\"", "c"}};
        QTest::newRow("cr and lf alone") << QByteArray("a\rb\nc") << GridRows{{"a"}, {"b"}, {"c"}};
        QTest::newRow("code page bytes") << QByteArray("\x80 5\tcaf\xE9") << GridRows{{QString::fromUtf8("€ 5"), QString::fromUtf8("café")}};
        QTest::newRow("utf-16 little endian") << utf16(QString::fromUtf8("€\tΩ|x\r\nb\r\n"), true)
                                              << GridRows{{QString::fromUtf8("€"), QString::fromUtf8("Ω\nx")}, {"b"}};
        QTest::newRow("utf-16 big endian") << utf16(QString::fromUtf8("€\tΩ\r\n"), false)
                                           << GridRows{{QString::fromUtf8("€"), QString::fromUtf8("Ω")}};
        QTest::newRow("empty") << QByteArray() << GridRows{};
    }
    void parse() {
        QFETCH(QByteArray, bytes);
        QFETCH(GridRows, rows);
        QCOMPARE(parseGridText(bytes), rows);
    }

    void encodings() {
        QCOMPARE(encodeUtf16Lines({QString::fromUtf8("a€"), "b"}),
                 QByteArray("\xFF\xFE" "a\0\xAC\x20\r\0\n\0b\0\r\0\n\0", 16));
        QCOMPARE(encodeCp1252Lines({QString::fromUtf8("café €"), QString::fromUtf8("Ω")}),
                 QByteArray("caf\xE9 \x80\r\n?\r\n"));
        const QStringList lines = {"x\ty|z", QString::fromUtf8("€\t\"q\tr\"")};
        QCOMPARE(parseGridText(encodeUtf16Lines(lines)),
                 (GridRows{{"x", "y\nz"}, {QString::fromUtf8("€"), "q\tr"}}));
    }

    void ownRowRemoval_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("removed") << QStringList{"A", "Termora", "B"} << QStringList{"A", "B"};
        QTest::newRow("twice: only the lower one") << QStringList{"Termora", "A", "Termora"} << QStringList{"Termora", "A"};
        QTest::newRow("case matters") << QStringList{"termora", "A"} << QStringList{"termora", "A"};
        QTest::newRow("absent") << QStringList{"A"} << QStringList{"A"};
    }
    void ownRowRemoval() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        GridRows rows;
        for (const QString& name : before) rows.append({name, "1.0"});
        removeOwnRow(rows, "Termora");
        QCOMPARE(names(rows), after);
    }

    void versionOrder_data() {
        QTest::addColumn<GridRows>("rows");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("year and month") << rowsOf({{"a", "2015.06"}, {"b", "2016.08"}, {"c", "2016.12"}})
                                        << QStringList{"c", "b", "a"};
        QTest::newRow("numbers, not text") << rowsOf({{"a", "9.1"}, {"b", "22.12.3"}, {"c", "1.38"}, {"d", "1.5.0~rc2"}})
                                           << QStringList{"b", "a", "c", "d"};
        QTest::newRow("equal versions keep order") << rowsOf({{"a", "1.0"}, {"b", "2.0"}, {"c", "1.0"}})
                                                   << QStringList{"b", "a", "c"};
    }
    void versionOrder() {
        QFETCH(GridRows, rows);
        QFETCH(QStringList, order);
        sortByVersionDescending(rows);
        QCOMPARE(names(rows), order);
    }

    void writeAndReadBackReplacesAPlantedLink() {
        QTemporaryDir dir;
        const QString target = dir.filePath("victim.txt");
        QVERIFY(QFile::link(target, dir.filePath("more.txt")));
        {
            QFile victim(target);
            QVERIFY(victim.open(QIODevice::WriteOnly));
            victim.write("keep");
        }
        const GridRows rows = writeAndReadBack(dir.filePath("more.txt"), encodeCp1252Lines({"a\tb"}));
        QCOMPARE(rows, (GridRows{{"a", "b"}}));
        QVERIFY(!QFileInfo(dir.filePath("more.txt")).isSymLink());
        QFile victim(target);
        QVERIFY(victim.open(QIODevice::ReadOnly));
        QCOMPARE(victim.readAll(), QByteArray("keep"));
    }

    void fileErrors() {
        QTemporaryDir dir;
        try {
            readGridFile(dir.filePath("missing.txt"));
            QFAIL("no error");
        } catch (const UserError& e) {
            QCOMPARE(e.text(), QString("File not found"));
        }
        const QString unwritable = dir.filePath("no/such/Contributor.txt");
        try {
            writeAndReadBack(unwritable, "x");
            QFAIL("no error");
        } catch (const UserError& e) {
            QVERIFY2(e.text().startsWith("Cannot create file \"" + unwritable + "\". "), qPrintable(e.text()));
        }
    }

    void shippedListsAreWellFormed() {
        for (const QString& line : contributorLines()) {
            const QStringList fields = line.split('\t');
            QCOMPARE(fields.size(), 6);
            for (int i = 1; i <= 4; ++i) QVERIFY2(fields[i] == "-" || fields[i].startsWith("http"), qPrintable(line));
        }
        const QStringList more = moreSoftwareLines();
        QCOMPARE(parseGridText(encodeCp1252Lines(more)).size(), more.size());
        int own = 0;
        for (const QStringList& row : parseGridText(encodeCp1252Lines(more))) {
            QCOMPARE(row.size(), 7);
            QVERIFY2(!row.join("").contains('?'), qPrintable(row.join(' ')));
            QVERIFY(field(row, kMoreRating).toInt() >= 3 && field(row, kMoreRating).toInt() <= 5);
            own += field(row, kMoreName) == constants::kProgramName;
        }
        QCOMPARE(own, 1);
    }
};

QTEST_GUILESS_MAIN(GridListTest)
#include "GridListTest.moc"
