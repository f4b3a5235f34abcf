// The built termora started as a person starts it, several times in one
// user session: the first start opens the window, later starts hand their
// request to it and end; a crashed first start's socket is taken over; a
// first start that does not answer ends a later start instead of hanging it.
// What the first window shows is asked over the same socket.

#include "app/SingleInstance.h"
#include "common/HangGuard.h"
#include "platform/AppPaths.h"
#include "platform/Registry.h"
#include "search/SearchRun.h"
#include "store/AcronymStore.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace termora;
using namespace std::chrono_literals;
using instance::Request;

namespace {

QString socketPath() { return paths::tempFile("instance.socket"); }

// What the running Termora's window shows, or nothing while none answers.
std::optional<instance::WindowState> shown() {
    const auto answer = instance::handOver(socketPath(), {Request::Kind::Status, {}}, 1s);
    const auto* state = std::get_if<instance::Answer>(&answer);
    return state != nullptr ? state->state : std::nullopt;
}

// The counter of the window after an Exact search in the Classic view.
QString counterAfterSearching(const QString& term) {
    const auto hits = runSearch(AcronymStore::builtIn(), term.toStdString(), SearchMethod::Exact, true);
    return hits.empty() ? QStringLiteral("[ 0 ]") : QStringLiteral("[ 1 / %1 ]").arg(hits.size());
}

bool showsSearched(const QString& term) {
    return QTest::qWaitFor(
        [&term] {
            const auto state = shown();
            return state && state->dictionaryInFront && state->find == term &&
                   state->counter == counterAfterSearching(term);
        },
        30000);
}

struct Ended {
    int exitCode = -1;
    QString errors;
    qint64 milliseconds = 0;
};

// A start that must end by itself.
Ended runToItsEnd(const QStringList& args) {
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(TERMORA, args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("did not end"), clock.elapsed()};
    }
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, QString::fromUtf8(process.readAllStandardError()), clock.elapsed()};
}

}  // namespace

class SingleInstanceProcessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registry::WriteUserRegString("Software\\Velmont\\Support", "16", "0"); }

    void cleanup() {
        m_first.kill();
        m_first.waitForFinished();
    }

    void laterStartsHandTheirRequestToTheFirst() {
        startFirst({"ram"});
        QVERIFY(showsSearched("ram"));
        const struct {
            QStringList args;
            int exitCode;
            const char* shownAfter;
            const char* error;
        } starts[] = {
            {{"atm"}, 0, "atm", ""},
            // Each start has its own offscreen clipboard, with nothing in it.
            {{"--selection"}, 0, "atm", ""},
            {{}, 0, "atm", ""},
            {{"--bogus"}, 2, "atm", "termora: unknown option \"--bogus\""},
            {{"--", "-ram"}, 0, "-ram", ""},
        };
        for (const auto& start : starts) {
            const Ended later = runToItsEnd(start.args);
            qInfo("termora %s: exit %d after %lld ms", qPrintable(start.args.join(' ')), later.exitCode,
                  later.milliseconds);
            QCOMPARE(later.exitCode, start.exitCode);
            QVERIFY2(later.errors.contains(start.error), qPrintable(later.errors));
            QVERIFY(showsSearched(start.shownAfter));
        }
        QCOMPARE(m_first.state(), QProcess::Running);
    }

    void aCrashedFirstStartsSocketIsTakenOver() {
        startFirst({"ram"});
        QVERIFY(showsSearched("ram"));
        m_first.kill();
        m_first.waitForFinished();
        QVERIFY(QFileInfo(socketPath()).exists());
        QVERIFY(!shown());
        startFirst({"atm"});
        QVERIFY(showsSearched("atm"));
        QCOMPARE(runToItsEnd({"asap"}).exitCode, 0);
        QVERIFY(showsSearched("asap"));
    }

    void whatLiesInTheSocketsPlaceIsReplaced_data() {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("a file") << false;
        QTest::newRow("a fifo") << true;
    }
    void whatLiesInTheSocketsPlaceIsReplaced() {
        QFETCH(bool, fifo);
        const testing::HangGuard guard(60);
        QLocalServer::removeServer(socketPath());
        if (fifo) {
            QCOMPARE(::mkfifo(QFile::encodeName(socketPath()).constData(), S_IRUSR | S_IWUSR), 0);
        } else {
            QFile file(socketPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        startFirst({"ram"});
        QVERIFY(showsSearched("ram"));
    }

    // The lock is held (here by this test) while nothing at the socket's
    // place answers: a later start ends with an error, never hangs.
    void aFirstStartThatDoesNotAnswerEndsALaterStart_data() {
        QTest::addColumn<bool>("listening");
        QTest::newRow("a fifo in the socket's place") << false;
        QTest::newRow("a socket that never answers") << true;
    }
    void aFirstStartThatDoesNotAnswerEndsALaterStart() {
        QFETCH(bool, listening);
        const testing::HangGuard guard(60);
        const int lock =
            ::open(QFile::encodeName(paths::tempFile("instance.lock")).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(lock >= 0);
        const auto unlock = qScopeGuard([lock] { ::close(lock); });
        QCOMPARE(::flock(lock, LOCK_EX | LOCK_NB), 0);
        QLocalServer::removeServer(socketPath());
        QLocalServer silent;
        if (listening) {
            QVERIFY(silent.listen(socketPath()));  // this test never returns to its event loop meanwhile
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(socketPath()).constData(), S_IRUSR | S_IWUSR), 0);
        }
        const Ended later = runToItsEnd({"ram"});
        QCOMPARE(later.exitCode, 1);
        QVERIFY2(later.errors.contains("termora: the running Termora does not answer"), qPrintable(later.errors));
        QLocalServer::removeServer(socketPath());
    }

private:
    void startFirst(const QStringList& args) {
        m_first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_first.start(TERMORA, args);
        QVERIFY(m_first.waitForStarted());
    }

    QProcess m_first;
};

QTEST_GUILESS_MAIN(SingleInstanceProcessTest)
#include "SingleInstanceProcessTest.moc"
