#include "app/LookupServer.h"

#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace termora::instance {

LookupServer::LookupServer(std::unique_ptr<QLocalServer> server, Answerer answerer, QObject* parent)
    : QObject(parent), m_server(std::move(server)), m_answerer(std::move(answerer)) {
    connect(m_server.get(), &QLocalServer::newConnection, this, &LookupServer::accept);
}

LookupServer::~LookupServer() = default;

void LookupServer::accept() {
    while (QLocalSocket* connection = m_server->nextPendingConnection()) {
        connection->setParent(this);
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        if (!peerIsThisUser(connection->socketDescriptor())) {
            connection->abort();
            connection->deleteLater();
            continue;
        }
        // Only a request's worth is ever held in memory.
        connection->setReadBufferSize(kMaxMessageBytes + 1);
        QTimer::singleShot(kRequestTimeLimitMs, connection, &QLocalSocket::abort);
        connect(connection, &QLocalSocket::readyRead, this, [this, connection] { read(connection); });
        read(connection);
    }
}

void LookupServer::read(QLocalSocket* connection) {
    if (connection->state() != QLocalSocket::ConnectedState) return;
    const auto line = takeMessageLine(*connection);
    if (std::holds_alternative<std::monostate>(line)) return;
    // One request per connection: what follows it is not read.
    disconnect(connection, &QLocalSocket::readyRead, this, nullptr);
    Answer answer;
    if (const auto* refused = std::get_if<QString>(&line)) {
        answer = Answer{false, *refused, std::nullopt};
    } else {
        const auto request = decodeRequest(std::get<QByteArray>(line));
        if (const auto* problem = std::get_if<QString>(&request)) {
            answer = Answer{false, *problem, std::nullopt};
        } else {
            answer = m_answerer(std::get<Request>(request));
        }
    }
    connection->write(encodeAnswer(answer));
    connection->disconnectFromServer();
}

}  // namespace termora::instance
