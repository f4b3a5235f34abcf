// The Qt part of the platform layer: registry file, text files.

#include "Registry.h"
#include "TextFile.h"
#include "UserError.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace termora;

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
        QCOMPARE(textfile::load(path), QByteArray("a\r\nb\r\n"));
        try {
            textfile::load(dir.filePath("missing.txt"));
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
        QCOMPARE(textfile::load(victim), QByteArray("precious"));
        QCOMPARE(textfile::load(planted), QByteArray("[16]\r\n"));
        QVERIFY(!QFileInfo(planted).isSymLink());
    }

private:
    QTemporaryDir m_config;
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "PlatformTest.moc"
