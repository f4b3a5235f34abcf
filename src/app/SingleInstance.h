#pragma once
// One Termora per user session. The first start takes a lock in the user's
// private temporary folder and serves a local socket beside it; a later
// start finds the lock taken and hands its request over through the socket.
// The lock ends with its process, so a socket that a crashed Termora left
// behind is taken over by the next start. Both ends talk only to processes
// of the same user.

#include "app/InstanceProtocol.h"
#include "platform/FileDescriptor.h"

#include <QString>

#include <chrono>
#include <memory>
#include <variant>

class QIODevice;
class QLocalServer;

namespace termora::instance {

struct Claim {
    enum class Role {
        First,  // holds the lock and serves the socket
        Later,  // another start of this user holds the lock
        Alone,  // no hand-over is possible (the private folder or the socket failed)
    };
    Role role = Role::Alone;
    QString socketPath;
    QString problem;                                // Alone: why
    std::unique_ptr<QLocalServer> server;           // First: listening
    std::unique_ptr<posixio::FileDescriptor> lock;  // First: held for the life of the process
};

Claim claimSession();

// Later: hands the request to the running Termora and returns its answer,
// or why it could not. Waits at most timeout in all (the first start may
// not be listening yet).
std::variant<Answer, QString> handOver(const QString& socketPath, const Request& request,
                                       std::chrono::milliseconds timeout);

// The next message line of a connection (without its line end) once it has
// arrived whole, nothing while it is still arriving, or the reason it is
// refused (longer than a message may be).
std::variant<std::monostate, QByteArray, QString> takeMessageLine(QIODevice& connection);

// True when the other end of the connected local socket runs as this user.
bool peerIsThisUser(qintptr socketDescriptor);

}  // namespace termora::instance
