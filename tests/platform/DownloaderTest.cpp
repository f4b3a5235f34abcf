// Downloading from a server on 127.0.0.1.

#include "common/LocalHttpServer.h"
#include "platform/Downloader.h"

#include <QNetworkProxy>
#include <QtTest>

using namespace termora;
using namespace termora::testing;

Q_DECLARE_METATYPE(std::optional<QByteArray>)

class DownloaderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The test talks to its own server, never through a proxy of the machine.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        m_server.respond("/update.php", {200, "[16]\r\nVersion=1\r\n", {}, false});
        m_server.respond("/moved", {302, {}, "Location: /update.php\r\n", false});
        m_server.respond("/error", {500, "oops", {}, false});
        m_server.respond("/silent", {200, {}, {}, true});
    }

    void download_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<std::optional<QByteArray>>("body");
        const QString base = m_server.base();
        const std::optional<QByteArray> nothing;
        QTest::newRow("body") << base + "/update.php" << std::optional<QByteArray>("[16]\r\nVersion=1\r\n");
        QTest::newRow("redirect followed") << base + "/moved" << std::optional<QByteArray>("[16]\r\nVersion=1\r\n");
        QTest::newRow("not found") << base + "/nothing" << nothing;
        QTest::newRow("server error") << base + "/error" << nothing;
        QTest::newRow("refused") << QString("http://127.0.0.1:%1/update.php").arg(LocalHttpServer::refusedPort()) << nothing;
        QTest::newRow("no answer within the time limit") << base + "/silent" << nothing;
        QTest::newRow("not an address") << "update.php" << nothing;
    }
    void download() {
        QFETCH(QString, address);
        QFETCH(std::optional<QByteArray>, body);
        QCOMPARE(NetworkDownloader(2000).download(address), body);
    }

private:
    LocalHttpServer m_server;
};

QTEST_GUILESS_MAIN(DownloaderTest)
#include "DownloaderTest.moc"
