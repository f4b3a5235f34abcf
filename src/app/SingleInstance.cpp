#include "app/SingleInstance.h"

#include "platform/AppPaths.h"
#include "platform/UserError.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace termora::instance {
namespace {

QString systemText(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

Claim alone(QString problem) {
    Claim claim;
    claim.problem = std::move(problem);
    return claim;
}

// The lock file, opened without following a link and without waiting; the
// descriptor does not pass to the programs Termora starts, so a browser it
// opened never keeps the session's lock.
int openLockFile(const QString& path, QString& problem) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) {
        problem = path + QStringLiteral(": ") + systemText(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        problem = path + QStringLiteral(": not a file of this user");
        return -1;
    }
    return fd;
}

bool isOwnSocket(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::geteuid();
}

}  // namespace

std::variant<std::monostate, QByteArray, QString> takeMessageLine(QIODevice& connection) {
    if (!connection.canReadLine()) {
        if (connection.bytesAvailable() > kMaxMessageBytes) {
            return QStringLiteral("the message is longer than %1 bytes").arg(kMaxMessageBytes);
        }
        return std::monostate{};
    }
    const QByteArray line = connection.readLine(kMaxMessageBytes + 1);
    if (!line.endsWith('\n')) return QStringLiteral("the message is longer than %1 bytes").arg(kMaxMessageBytes);
    return line.chopped(1);
}

bool peerIsThisUser(qintptr socketDescriptor) {
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == ::geteuid();
}

Claim claimSession() {
    QString lockPath;
    QString socketPath;
    try {
        lockPath = paths::tempFile(QStringLiteral("instance.lock"));
        socketPath = paths::tempFile(QStringLiteral("instance.socket"));
    } catch (const UserError& error) {
        return alone(error.text());
    }
    QString problem;
    auto lock = std::make_unique<posixio::FileDescriptor>(openLockFile(lockPath, problem));
    if (!lock->isOpen()) return alone(problem);
    Claim claim;
    claim.socketPath = socketPath;
    if (::flock(lock->get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) return alone(lockPath + QStringLiteral(": ") + systemText(errno));
        claim.role = Claim::Role::Later;
        return claim;
    }
    // Whatever is at the socket's place now was left by a Termora that ended
    // (or put there by mistake): the holder of the lock replaces it.
    QLocalServer::removeServer(socketPath);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketPath)) return alone(socketPath + QStringLiteral(": ") + server->errorString());
    claim.role = Claim::Role::First;
    claim.server = std::move(server);
    claim.lock = std::move(lock);
    return claim;
}

std::variant<Answer, QString> handOver(const QString& socketPath, const Request& request,
                                       std::chrono::milliseconds timeout) {
    const QString noAnswer = QStringLiteral("the running Termora does not answer");
    const QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    // The first start may hold the lock but not serve its socket yet.
    for (;;) {
        if (isOwnSocket(socketPath)) {
            socket.connectToServer(socketPath);
            if (socket.waitForConnected(int(deadline.remainingTime()))) break;
            socket.abort();
        }
        if (deadline.hasExpired()) return noAnswer;
        QThread::msleep(20);
    }
    if (!peerIsThisUser(socket.socketDescriptor())) return QStringLiteral("the socket is served by another user");
    socket.write(encodeRequest(request));
    if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) return noAnswer;
    for (;;) {
        const auto line = takeMessageLine(socket);
        if (const auto* whole = std::get_if<QByteArray>(&line)) return decodeAnswer(*whole);
        if (const auto* refused = std::get_if<QString>(&line)) return *refused;
        if (!socket.waitForReadyRead(int(deadline.remainingTime()))) return noAnswer;
    }
}

}  // namespace termora::instance
