// The update window against an update server on 127.0.0.1.

#include "base/TermoraConstants.h"
#include "common/Controls.h"
#include "common/LocalHttpServer.h"
#include "common/RecordingLinkOpener.h"
#include "common/ScriptedDialogs.h"
#include "common/TestFiles.h"
#include "platform/AppPaths.h"
#include "platform/ConnectionState.h"
#include "platform/Downloader.h"
#include "web/TfrmUCheck.h"

#include <QNetworkProxy>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace termora;
using namespace termora::testing;

namespace {

const QString kFailedMessage = "Update Check failed!\r\rPlease check your Internet Connection or Choose another Server!";
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

// The window's controls the tests use, found by their object names.
struct UpdateCheckControls {
    explicit UpdateCheckControls(const QObject& window) : dialog(window) {}

    const QObject& dialog;
    QLabel* lblCurrent = child<QLabel>(dialog, "lblCurrent");
    QLabel* lblLatest = child<QLabel>(dialog, "lblLatest");
    QPushButton* srv1 = child<QPushButton>(dialog, "srv1");
    QPushButton* srv2 = child<QPushButton>(dialog, "srv2");
    QPushButton* srv4 = child<QPushButton>(dialog, "srv4");
    QPushButton* BitBtn1 = child<QPushButton>(dialog, "BitBtn1");
    QLabel* lblRes = child<QLabel>(dialog, "lblRes");
};

struct stat statOf(const QString& path) {
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

// Answers the connected-state query as told and counts the questions.
class ConnectionScript : public ConnectionState {
public:
    ConnectionScript() { ConnectionService::install(this); }
    ~ConnectionScript() override { ConnectionService::install(nullptr); }
    bool isConnected() override {
        ++queries;
        return connected;
    }
    bool connected = true;
    int queries = 0;
};

// The real download, sent to the local server in place of the update
// server's host; records the addresses the window asked for.
class LocalDownloads : public Downloader {
public:
    LocalDownloads() { DownloadService::install(this); }
    ~LocalDownloads() override { DownloadService::install(nullptr); }
    std::optional<QByteArray> download(const QString& address) override {
        requested.append(address);
        return NetworkDownloader(5000).download(serverBase + QUrl(address).path());
    }
    QString serverBase;
    QStringList requested;
};

}  // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        // A shared temporary folder like /tmp, and no runtime folder: the
        // private folder is made in the shared one.
        QVERIFY(m_shared.isValid());
        QCOMPARE(::chmod(QFile::encodeName(m_shared.path()).constData(), 01777), 0);
        qputenv("TMPDIR", m_shared.path().toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");
    }

    void init() {
        m_server = std::make_unique<LocalHttpServer>();
        m_downloads.serverBase = m_server->base();
        m_downloads.requested.clear();
        m_window = std::make_unique<TfrmUCheck>();
    }
    void cleanup() {
        m_window.reset();
        QFile::remove(updateFile());
    }

    void startsEmptyWithServerTwo() {
        QCOMPARE(m_window->windowTitle(), QString("Update Checker"));
        QCOMPARE(controls().lblCurrent->text(), QString(constants::kVersion));
        QCOMPARE(controls().lblLatest->text(), QString("-"));
        QVERIFY(controls().lblRes->isHidden());
        QVERIFY(controls().srv2->isChecked());
        QVERIFY(!controls().srv1->isEnabled());
        QVERIFY(!controls().srv4->isEnabled());
        QCOMPARE(controls().srv1->toolTip(), "Server 1 : " + QString(constants::kUpdateServer1) + " (DEAD)");
        QCOMPARE(controls().srv2->toolTip(), "Server 2 : " + QString(constants::kUpdateServer2));
        QCOMPARE(controls().srv4->toolTip(), "Server 3 : " + QString(constants::kUpdateServer3) + " (DEAD)");
    }

    void check_data() {
        QTest::addColumn<int>("status");   // 0: connection refused
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("latest");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("failureMessage");
        QTest::addColumn<QStringList>("opened");   // by a click on the result line
        const QString newer = "NEW Updates Available, Click here to Download!";
        const QString none = "NO Updates Available";
        const QString failed = "Update Check failed!";
        QTest::newRow("newer") << 200 << QByteArray("[15]\r\nVersion=9999\r\n[16]\r\nVersion=2027.1\r\nDLink=https://termora.example/get\r\n")
                               << "2027.1" << newer << kGreen << false << QStringList{"https://termora.example/get"};
        const QByteArray running(constants::kVersion);
        QTest::newRow("equal") << 200 << "[16]\r\nVersion=" + running + "\r\nDLink=https://termora.example/get\r\n"
                               << QString(running) << none << kBlue << false << QStringList{};
        QTest::newRow("older 2016.08") << 200 << QByteArray("[16]\r\nVersion=2016.08\r\n") << "2016.08" << none << kBlue
                                       << false << QStringList{};
        QTest::newRow("newer without a link") << 200 << QByteArray("[16]\r\nVersion=2027\r\n") << "2027" << newer << kGreen
                                              << false << QStringList{};
        QTest::newRow("link that is no web address")
            << 200 << QByteArray("[16]\r\nVersion=2027\r\nDLink=file:///usr/bin/xterm\r\n") << "2027" << newer << kGreen
            << false << QStringList{};
        QTest::newRow("missing section") << 200 << QByteArray("[15]\r\nVersion=2027\r\n") << "-" << failed << kRed << true
                                         << QStringList{};
        QTest::newRow("garbage") << 200 << QByteArray("<html>\x01\x02 no ini here") << "-" << failed << kRed << true
                                 << QStringList{};
        QTest::newRow("not found") << 404 << QByteArray("[16]\r\nVersion=2027\r\n") << "-" << failed << kRed << true
                                   << QStringList{};
        QTest::newRow("connection refused") << 0 << QByteArray() << "-" << failed << kRed << true << QStringList{};
    }
    void check() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, latest);
        QFETCH(QString, result);
        QFETCH(QColor, colour);
        QFETCH(bool, failureMessage);
        QFETCH(QStringList, opened);
        if (status == 0) m_downloads.serverBase = QString("http://127.0.0.1:%1").arg(LocalHttpServer::refusedPort());
        m_server->respond("/update.php", {status, body, {}, false});
        ConnectionScript connection;
        DialogScript dialogs;
        LinkRecorder links;

        controls().BitBtn1->click();

        QCOMPARE(m_downloads.requested, QStringList{QString(constants::kUpdateServer2) + "/update.php"});
        QCOMPARE(controls().lblLatest->text(), latest);
        QVERIFY(controls().lblRes->isVisibleTo(m_window.get()));
        QCOMPARE(controls().lblRes->text(), result);
        QCOMPARE(controls().lblRes->palette().color(QPalette::WindowText), colour);
        QCOMPARE(controls().lblRes->cursor().shape(), opened.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
        QCOMPARE(dialogs.messages.size(), failureMessage ? 1 : 0);
        if (failureMessage) {
            QCOMPARE(dialogs.messages[0].text, kFailedMessage);
            QCOMPARE(dialogs.messages[0].kind, Dialogs::Kind::Error);
        }
        QTest::mouseClick(controls().lblRes, Qt::LeftButton);
        QCOMPARE(links.opened, opened);
    }

    void withoutAConnectionNothingIsDownloaded() {
        ConnectionScript connection;
        connection.connected = false;
        DialogScript dialogs;
        controls().BitBtn1->click();
        QCOMPARE(connection.queries, 1);
        QVERIFY(m_downloads.requested.isEmpty());
        QVERIFY(m_server->requests.isEmpty());
        QCOMPARE(controls().lblRes->text(), QString("Update Check failed!"));
        QCOMPARE(controls().lblRes->palette().color(QPalette::WindowText), kRed);
        QCOMPARE(controls().lblLatest->text(), QString("-"));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QString("You're not Connected to Internet!"));
        QCOMPARE(dialogs.messages[0].kind, Dialogs::Kind::Error);
    }

    void anotherUsersFileInTheSharedFolderIsLeftAlone_data() {
        QTest::addColumn<QString>("planted");
        QTest::newRow("file") << "file";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("link") << "link";
    }
    void anotherUsersFileInTheSharedFolderIsLeftAlone() {
        QFETCH(QString, planted);
        const QString shared = m_shared.filePath("update.ini");
        const QByteArray plantedText = "[16]\r\nVersion=2099.1\r\nDLink=https://planted.example/get\r\n";
        const QString victim = m_shared.filePath("victim.txt");
        if (planted == "file") QVERIFY(writeFile(shared, plantedText));
        if (planted == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(shared).constData(), 0666), 0);
        if (planted == "link") QVERIFY(writeFile(victim, plantedText) && QFile::link(victim, shared));
        m_server->respond("/update.php", {200, "[16]\r\nVersion=2016.8\r\n", {}, false});
        ConnectionScript connection;
        DialogScript dialogs;
        LinkRecorder links;

        controls().BitBtn1->click();

        QCOMPARE(controls().lblLatest->text(), QString("2016.8"));
        QCOMPARE(controls().lblRes->text(), QString("NO Updates Available"));
        QTest::mouseClick(controls().lblRes, Qt::LeftButton);
        QVERIFY(links.opened.isEmpty());
        QVERIFY(dialogs.messages.isEmpty());
        const QFileInfo left(shared);
        QVERIFY(left.exists() || left.isSymLink());
        if (planted == "file") QCOMPARE(readFile(shared), plantedText);
        if (planted == "fifo") QCOMPARE(statOf(shared).st_mode & S_IFMT, mode_t(S_IFIFO));
        if (planted == "link") QCOMPARE(left.symLinkTarget(), victim);
        QCOMPARE(readFile(victim), planted == "link" ? plantedText : QByteArray("<missing>"));
        QVERIFY(QFile::remove(shared));
        QFile::remove(victim);
    }

    void anOldCopyThatCannotBeReplacedFailsTheCheck_data() {
        QTest::addColumn<QString>("standing");
        QTest::newRow("a folder under the file's name") << "folder";
        QTest::newRow("the private folder replaced by a link") << "link";
    }
    void anOldCopyThatCannotBeReplacedFailsTheCheck() {
        QFETCH(QString, standing);
        const QString file = updateFile();
        const QString privateFolder = QFileInfo(file).absolutePath();
        QTemporaryDir elsewhere;
        if (standing == "folder") QVERIFY(QDir().mkpath(file + "/old"));
        if (standing == "link") QVERIFY(QDir(privateFolder).removeRecursively() && QFile::link(elsewhere.path(), privateFolder));
        m_server->respond("/update.php", {200, "[16]\r\nVersion=2099.1\r\nDLink=https://termora.example/get\r\n", {}, false});
        ConnectionScript connection;
        DialogScript dialogs;

        controls().BitBtn1->click();

        QCOMPARE(controls().lblLatest->text(), QString("-"));
        QCOMPARE(controls().lblRes->text(), QString("Update Check failed!"));
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(dialogs.messages[0].text, kFailedMessage);
        QCOMPARE(dialogs.messages[0].kind, Dialogs::Kind::Plain);
        QCOMPARE(dialogs.messages[1].text, kFailedMessage);
        QCOMPARE(dialogs.messages[1].kind, Dialogs::Kind::Error);
        QVERIFY(QDir(elsewhere.path()).isEmpty());
        if (standing == "folder") QVERIFY(QDir(file).removeRecursively());
        if (standing == "link") QVERIFY(QFile::remove(privateFolder));
    }

    void anOldUpdateFileIsNeverRead() {
        QVERIFY(writeFile(updateFile(), "[16]\r\nVersion=2099\r\nDLink=https://termora.example/old\r\n"));
        ConnectionScript connection;
        DialogScript dialogs;
        controls().BitBtn1->click();  // the server answers 404
        QCOMPARE(controls().lblLatest->text(), QString("-"));
        QCOMPARE(readFile(updateFile()), QByteArray("<missing>"));
    }

    void aLinkPlantedAsTheUpdateFileRedirectsNothing() {
        const QString victim = m_shared.filePath("victim.txt");
        QVERIFY(writeFile(victim, "keep me"));
        QVERIFY(QFile::link(victim, updateFile()));
        m_server->respond("/update.php", {200, "[16]\r\nVersion=2027\r\n", {}, false});
        ConnectionScript connection;
        DialogScript dialogs;
        controls().BitBtn1->click();
        QCOMPARE(readFile(victim), QByteArray("keep me"));
        QVERIFY(!QFileInfo(updateFile()).isSymLink());
        QCOMPARE(controls().lblLatest->text(), QString("2027"));
    }

    void aServerButtonChoosesItsServer() {
        ConnectionScript connection;
        DialogScript dialogs;
        controls().srv1->setEnabled(true);
        controls().srv1->click();
        QVERIFY(controls().srv1->isChecked());
        QVERIFY(!controls().srv2->isChecked());
        controls().BitBtn1->click();
        controls().srv2->click();
        controls().BitBtn1->click();
        QCOMPARE(m_downloads.requested, (QStringList{QString(constants::kUpdateServer1) + "/update.php",
                                                      QString(constants::kUpdateServer2) + "/update.php"}));
    }

    void aSecondCheckOverwritesTheFirst() {
        ConnectionScript connection;
        DialogScript dialogs;
        LinkRecorder links;
        m_server->respond("/update.php", {200, "[16]\r\nVersion=2027\r\nDLink=https://termora.example/get\r\n", {}, false});
        controls().BitBtn1->click();
        QCOMPARE(controls().lblRes->cursor().shape(), Qt::PointingHandCursor);
        m_server->respond("/update.php", {404, {}, {}, false});
        controls().BitBtn1->click();
        QCOMPARE(controls().lblRes->text(), QString("Update Check failed!"));
        QCOMPARE(controls().lblRes->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(controls().lblRes, Qt::LeftButton);
        QVERIFY(links.opened.isEmpty());
    }

    void escapeClosesTheWindow() {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        controls().srv2->setFocus();
        QTest::keyClick(controls().srv2, Qt::Key_Escape);
        QVERIFY(!m_window->isVisible());
    }

private:
    UpdateCheckControls controls() const { return UpdateCheckControls(*m_window); }
    // The copy in the private temporary folder.
    static QString updateFile() { return paths::tempFile("update.ini"); }

    QTemporaryDir m_shared;
    LocalDownloads m_downloads;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<TfrmUCheck> m_window;
};

QTEST_MAIN(UpdateCheckTest)
#include "UpdateCheckTest.moc"
