// The Qt part of the platform layer: registry file, text files.

#include "common/HangGuard.h"
#include "common/TestFiles.h"
#include "platform/Registry.h"
#include "platform/TextFile.h"
#include "platform/UserError.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace termora;
using namespace termora::testing;

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_config.isValid()); qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit()); }

    void registryRoundTripAndMissingValues() {
        QCOMPARE(registry::storePath(), m_config.path() + "/Velmont/registry.ini");
        QCOMPARE(registry::ReadUserRegString("Software\\Velmont", "16"), QString());
        registry::WriteUserRegString("Software\\Velmont", "16", "/opt/termora/termora");
        registry::WriteUserRegString("Software\\Velmont\\Support", "16", "0");
        QCOMPARE(registry::ReadUserRegString("Software\\Velmont", "16"), QString("/opt/termora/termora"));
        QCOMPARE(registry::ReadUserRegString("Software\\Velmont\\Support", "16"), QString("0"));
        registry::WriteUserRegString("Software\\Velmont", "16", "/new, place/termora");  // a comma stays a string
        QCOMPARE(registry::ReadUserRegString("Software\\Velmont", "16"), QString("/new, place/termora"));
    }

    void registryValueOfAnotherTypeIsAnError() {
        {
            QSettings raw(registry::storePath(), QSettings::IniFormat);
            raw.setValue("Software/Velmont/Support/16", QStringList{"a", "b"});
        }
        try {
            registry::ReadUserRegString("Software\\Velmont\\Support", "16");
            QFAIL("no error");
        } catch (const UserError& e) {
            QCOMPARE(e.text(), QString("Invalid data type for '16'"));
        }
    }

    void readableStoreText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readable");
        QTest::newRow("written by the program") << QByteArray("[Software]\nVelmont\\16=/opt/t\xc3\xa9rmora\n") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("blank lines, comment, CR LF") << QByteArray("\r\n; note\r\n  [General]  \r\nx = 1\r\n") << true;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Software]\nVelmont\\16=/x\n") << false;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE[\0S\0]\0\n\0", 10) << false;
        QTest::newRow("NUL inside a value") << QByteArray("[Software]\nVelmont\\16=/\0x\n", 24) << false;
        QTest::newRow("Latin-1 text") << QByteArray("[Software]\nVelmont\\16=/t\xe9rmora\n") << false;
        QTest::newRow("line without =") << QByteArray("[Software]\ngarbage\n") << false;
        QTest::newRow("# comment") << QByteArray("# note\n[Software]\n") << false;
        QTest::newRow("unclosed group") << QByteArray("[Software\nx=1\n") << false;
    }
    void readableStoreText() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        QCOMPARE(registry::isReadableStoreText(bytes), readable);
    }

    void anUnreadableRegistryFileIsKeptBesideAndRewritten_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Software]\nVelmont\\16=/old\n");
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE[\0S\0]\0\n\0", 10);
        QTest::newRow("garbage") << QByteArray("\x01\x02\xff garbage [[[\n\x7fzz");
    }
    void anUnreadableRegistryFileIsKeptBesideAndRewritten() {
        QFETCH(QByteArray, bytes);
        const QString path = registry::storePath();
        for (const QString& copy : {path + ".unreadable", path + ".unreadable-2"}) {
            QFile::remove(copy);
        }
        // Twice: the second unreadable file does not overwrite the first copy.
        for (const QString& copy : {path + ".unreadable", path + ".unreadable-2"}) {
            QVERIFY(writeFile(path, bytes));
            registry::ReadUserRegString("Software\\Velmont", "16");  // the settings reader has seen it
            QCOMPARE(userErrorOf([] { registry::WriteUserRegString("Software\\Velmont\\Support", "16", "0"); }),
                     "The settings file \"" + path + "\" could not be read and was rewritten. "
                     "The unreadable file was kept as \"" + copy + "\".");
            QCOMPARE(readFile(copy), bytes);
            QVERIFY(registry::isReadableStoreText(readFile(path)));
            QCOMPARE(registry::ReadUserRegString("Software\\Velmont\\Support", "16"), QString("0"));
        }
        QCOMPARE(userErrorOf([] { registry::WriteUserRegString("Software\\Velmont\\Support", "16", "1"); }), QString());
        QFile::remove(path);
    }

    void aRegistryFileThatIsNoRegularFileIsLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fifo") << "fifo" << "Not a regular file";
        QTest::newRow("folder") << "folder" << "Is a directory";
        QTest::newRow("link to an endless device") << "endless device" << "Not a regular file";
        QTest::newRow("far too long") << "long" << "File too large";
    }
    void aRegistryFileThatIsNoRegularFileIsLeftAlone() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const HangGuard guard;
        const QString path = registry::storePath();
        QFile::remove(path);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        if (kind == "long") QVERIFY(writeFile(path, "[Software]\n" + QByteArray(2 * 1024 * 1024, ';') + "\n"));
        else QVERIFY(putInPlaceOfFile(path, kind));
        const QFileInfo before(path);
        QCOMPARE(registry::ReadUserRegString("Software\\Velmont", "16"), QString());
        QCOMPARE(userErrorOf([] { registry::WriteUserRegString("Software\\Velmont", "16", "/opt/termora"); }),
                 "Cannot open file \"" + path + "\". " + reason);
        QCOMPARE(QFileInfo(path).size(), before.size());
        QCOMPARE(QFileInfo(path).isSymLink(), before.isSymLink());
        removeInPlaceOfFile(path);
    }

    void splitLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("lone cr") << QByteArray("a\rb\r") << QList<QByteArray>{"a", "b"};
        QTest::newRow("lone lf") << QByteArray("a\nb") << QList<QByteArray>{"a", "b"};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\nb") << QList<QByteArray>{"a", "", "", "b"};
        QTest::newRow("lf cr is two breaks") << QByteArray("a\n\rb") << QList<QByteArray>{"a", "", "b"};
        QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
    }
    void splitLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QByteArray>, lines);
        QCOMPARE(textfile::splitLines(bytes), lines);
    }

    void saveLoadAndTheirErrors() {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.txt");
        textfile::save(path, textfile::joinLinesCrLf({"a", "b"}));
        QCOMPARE(textfile::load(path, 1024), QByteArray("a\r\nb\r\n"));
        try {
            textfile::load(dir.filePath("missing.txt"), 1024);
            QFAIL("no error");
        } catch (const UserError& e) {
            QCOMPARE(e.text(), "Cannot open file \"" + dir.filePath("missing.txt") + "\". No such file or directory");
        }
        try {
            textfile::save(dir.filePath("no/such/dir.txt"), "x");
            QFAIL("no error");
        } catch (const UserError& e) {
            QVERIFY(e.text().startsWith("Cannot create file \"" + dir.filePath("no/such/dir.txt") + "\". "));
        }
    }

    void saveReplacingDoesNotFollowAPlantedLink() {
        QTemporaryDir dir;
        const QString victim = dir.filePath("victim.txt");
        textfile::save(victim, "precious");
        const QString planted = dir.filePath("update.ini");
        QVERIFY(QFile::link(victim, planted));
        textfile::saveReplacing(planted, "[16]\r\n");
        QCOMPARE(textfile::load(victim, 1024), QByteArray("precious"));
        QCOMPARE(textfile::load(planted, 1024), QByteArray("[16]\r\n"));
        QVERIFY(!QFileInfo(planted).isSymLink());
    }

private:
    QTemporaryDir m_config;
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "PlatformTest.moc"
