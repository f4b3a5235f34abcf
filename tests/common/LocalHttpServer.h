#pragma once
// A small HTTP server on 127.0.0.1 for tests that download: it answers GET
// requests from a table of paths (unknown paths get 404) in the test's own
// thread, so it serves while the code under test waits in an event loop.

#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>

namespace termora::testing {

class LocalHttpServer : public QObject {
public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray extraHeaders;   // whole lines, each ended by "\r\n"
        bool silent = false;       // accept the request and never answer
    };

    // A test without its server could only fail in confusing ways: it stops here.
    LocalHttpServer() {
        listenOnLocalHost(m_server);
        connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
    }

    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    void respond(const QByteArray& path, const Response& response) { m_responses[path] = response; }

    // Paths requested so far, in order.
    QList<QByteArray> requests;

    // A port on 127.0.0.1 where nothing listens: connections are refused.
    static quint16 refusedPort() {
        QTcpServer probe;
        listenOnLocalHost(probe);
        return probe.serverPort();
    }

private:
    static void listenOnLocalHost(QTcpServer& server) {
        if (!server.listen(QHostAddress::LocalHost, 0)) {
            qFatal("LocalHttpServer: cannot listen on 127.0.0.1: %s", qPrintable(server.errorString()));
        }
    }

    void accept() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void read(QTcpSocket* socket) {
        QByteArray& pending = m_pending[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n")) return;
        const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
        m_pending.remove(socket);
        const QByteArray path = requestLine.value(1);
        requests.append(path);
        const Response response = m_responses.value(path, Response{404, "Not Found", {}, false});
        if (response.silent) return;
        socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " Answer\r\nContent-Length: " +
                      QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n" + response.extraHeaders +
                      "\r\n" + response.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QMap<QByteArray, Response> m_responses;
    QMap<QTcpSocket*, QByteArray> m_pending;
};

}  // namespace termora::testing
