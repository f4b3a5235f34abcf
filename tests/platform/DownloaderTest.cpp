// Downloading into a file from a server on 127.0.0.1.

#include "Downloader.h"
#include "LocalHttpServer.h"
#include "TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QtTest>

using namespace termora;
using namespace termora::testing;

class DownloaderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The test talks to its own server, never through a proxy of the machine.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        QVERIFY(m_server.isListening());
        m_server.respond("/update.php", {200, "[16]\r\nVersion=1\r\n", {}, false});
        m_server.respond("/moved", {302, {}, "Location: /update.php\r\n", false});
        m_server.respond("/error", {500, "oops", {}, false});
        m_server.respond("/silent", {200, {}, {}, true});
    }

    void download_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("content");
        const QString base = m_server.base();
        QTest::newRow("body written") << base + "/update.php" << true << QByteArray("[16]\r\nVersion=1\r\n");
        QTest::newRow("redirect followed") << base + "/moved" << true << QByteArray("[16]\r\nVersion=1\r\n");
        QTest::newRow("not found") << base + "/nothing" << false << QByteArray("<missing>");
        QTest::newRow("server error") << base + "/error" << false << QByteArray("<missing>");
        QTest::newRow("refused") << QString("http://127.0.0.1:%1/update.php").arg(LocalHttpServer::refusedPort()) << false
                                 << QByteArray("<missing>");
        QTest::newRow("no answer within the time limit") << base + "/silent" << false << QByteArray("<missing>");
        QTest::newRow("not an address") << "update.php" << false << QByteArray("<missing>");
    }
    void download() {
        QFETCH(QString, address);
        QFETCH(bool, ok);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("update.ini");
        QCOMPARE(NetworkDownloader(2000).downloadToFile(address, path), ok);
        QCOMPARE(readFile(path), content);
    }

    void unwritableTargetIsAFailure() {
        QTemporaryDir dir;
        QVERIFY(!NetworkDownloader().downloadToFile(m_server.base() + "/update.php", dir.filePath("no/dir/update.ini")));
    }

    void aPlantedLinkDoesNotRedirectTheWrite() {
        QTemporaryDir dir;
        const QString victim = dir.filePath("victim.txt");
        const QString path = dir.filePath("update.ini");
        QVERIFY(writeFile(victim, "keep me"));
        QVERIFY(QFile::link(victim, path));
        QVERIFY(NetworkDownloader().downloadToFile(m_server.base() + "/update.php", path));
        QCOMPARE(readFile(victim), QByteArray("keep me"));
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(readFile(path), QByteArray("[16]\r\nVersion=1\r\n"));
    }

private:
    LocalHttpServer m_server;
};

QTEST_GUILESS_MAIN(DownloaderTest)
#include "DownloaderTest.moc"
