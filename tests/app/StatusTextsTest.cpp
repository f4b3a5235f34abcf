#include "app/StatusTexts.h"
#include "platform/SystemStatus.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class StatusTextsTest : public QObject {
    Q_OBJECT

private slots:
    void uptime_data() {
        QTest::addColumn<quint32>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("under a second") << 999u << "0 Day(s) 0 Hour(s) 0 Minute(s) 0 Second(s)";
        QTest::newRow("one of each") << (86400000u + 3600000u + 60000u + 1000u)
                                     << "1 Day(s) 1 Hour(s) 1 Minute(s) 1 Second(s)";
        QTest::newRow("milliseconds dropped") << 61999u << "0 Day(s) 0 Hour(s) 1 Minute(s) 1 Second(s)";
        QTest::newRow("after 25 days") << 26u * 86400000u << "26 Day(s) 0 Hour(s) 0 Minute(s) 0 Second(s)";
        QTest::newRow("largest count") << 4294967295u << "49 Day(s) 17 Hour(s) 2 Minute(s) 47 Second(s)";
    }
    void uptime() {
        QFETCH(quint32, ms);
        QFETCH(QString, text);
        QCOMPARE(termora::UptimeText(ms), text);
        QCOMPARE(termora::uptimePanelText(ms), "System Uptime : " + text);
    }

    void panels() {
        QCOMPARE(termora::memoryPanelText(63), QString("Memory Usage : 63%"));
        QCOMPARE(termora::powerPanelText(57), QString("Power : 57%"));
        QCOMPARE(termora::powerPanelText(255), QString("Power : 100%"));  // no battery
    }

    void memoryLoad_data() {
        QTest::addColumn<QByteArray>("meminfo");
        QTest::addColumn<int>("load");
        QTest::newRow("typical") << QByteArray("MemTotal:  1000 kB\nMemFree: 100 kB\nMemAvailable:  370 kB\n") << 63;
        QTest::newRow("all free") << QByteArray("MemTotal: 1000 kB\nMemAvailable: 1000 kB\n") << 0;
        QTest::newRow("missing figures") << QByteArray("MemTotal: 1000 kB\n") << 100;
        QTest::newRow("garbage") << QByteArray("MemTotal: lots\nMemAvailable: 5 kB\n") << 100;
    }
    void memoryLoad() {
        QFETCH(QByteArray, meminfo);
        QFETCH(int, load);
        QCOMPARE(termora::systemstatus::memoryLoadFrom(meminfo), load);
    }

    void batteryLevel() {
        QTemporaryDir dir;
        const auto supply = [&](const QString& name, const QByteArray& type, const QByteArray& capacity) {
            QDir(dir.path()).mkpath(name);
            QFile t(dir.filePath(name + "/type"));
            QVERIFY(t.open(QIODevice::WriteOnly));
            t.write(type + "\n");
            if (capacity.isEmpty()) return;
            QFile c(dir.filePath(name + "/capacity"));
            QVERIFY(c.open(QIODevice::WriteOnly));
            c.write(capacity + "\n");
        };
        QCOMPARE(termora::systemstatus::batteryLevelFrom(dir.path()), 255);
        supply("AC", "Mains", "");
        QCOMPARE(termora::systemstatus::batteryLevelFrom(dir.path()), 255);
        supply("BAT0", "Battery", "57");
        QCOMPARE(termora::systemstatus::batteryLevelFrom(dir.path()), 57);
    }
};

QTEST_GUILESS_MAIN(StatusTextsTest)
#include "StatusTextsTest.moc"
