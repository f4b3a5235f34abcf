#include "platform/ProcessStarter.h"

#include "platform/UserError.h"

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace termora {
namespace {

// Writes errno into the pipe and ends the child: the parent learns why the
// program did not start. Only async-signal-safe calls after fork().
[[noreturn]] void reportAndExit(int pipeOut) {
    const int code = errno;
    [[maybe_unused]] const ssize_t written = ::write(pipeOut, &code, sizeof code);
    ::_exit(127);
}

void waitForChild(pid_t pid) {
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// The code the child sent before it gave up, or 0 when the program started
// (the pipe closed on exec without a word).
int childFailure(int pipeIn) {
    int code = 0;
    ssize_t got = 0;
    do {
        got = ::read(pipeIn, &code, sizeof code);
    } while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof code) ? code : 0;
}

}  // namespace

QString systemErrorMessage(int code) {
    if (code == 0) return QStringLiteral("A call to an OS function failed");
    return QStringLiteral("System Error.  Code: %1.\r\n%2").arg(code).arg(QString::fromLocal8Bit(std::strerror(code)));
}

void StartProcess(const QString& commandLine, const QStringList& appended, bool wait) {
    const QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) throw UserError(systemErrorMessage(ENOENT));
    ProcessService::current().start(words + appended, wait);
}

QString quoteCommandWord(const QString& word) {
    const bool plain = !word.isEmpty() && std::none_of(word.begin(), word.end(), [](QChar c) {
        return c.isSpace() || c == QLatin1Char('"');
    });
    if (plain) return word;
    // Inside quotes the splitter reads three double quotes as one.
    QString quoted = word;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void PosixProcessStarter::start(const QStringList& words, bool wait) {
    if (words.isEmpty()) throw UserError(systemErrorMessage(ENOENT));

    // Everything the child needs is prepared before fork().
    std::vector<std::string> storage;
    storage.reserve(static_cast<std::size_t>(words.size()));
    for (const QString& word : words) storage.push_back(QFile::encodeName(word).toStdString());
    std::vector<char*> argv;
    for (std::string& word : storage) argv.push_back(word.data());
    argv.push_back(nullptr);

    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0) throw UserError(systemErrorMessage(errno));

    const pid_t child = ::fork();
    if (child < 0) {
        const int code = errno;
        ::close(channel[0]);
        ::close(channel[1]);
        throw UserError(systemErrorMessage(code));
    }
    if (child == 0) {
        ::close(channel[0]);
        // A program we do not wait for is started by a short-lived middle
        // child, so it is never left behind as a zombie of ours.
        if (!wait) {
            const pid_t grandchild = ::fork();
            if (grandchild < 0) reportAndExit(channel[1]);
            if (grandchild > 0) ::_exit(0);
        }
        ::execvp(argv[0], argv.data());
        reportAndExit(channel[1]);
    }

    ::close(channel[1]);
    if (!wait) waitForChild(child);
    const int failure = childFailure(channel[0]);
    ::close(channel[0]);
    if (wait) waitForChild(child);
    if (failure != 0) throw UserError(systemErrorMessage(failure));
}

}  // namespace termora
