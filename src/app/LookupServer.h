#pragma once
// The running Termora's end of the hand-over: takes one request per
// connection from later starts of the same user, has it answered, and sends
// the answer back. A request that is too long, malformed or slow to arrive
// ends its connection; the window is never kept waiting.

#include "app/InstanceProtocol.h"

#include <QObject>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace termora::instance {

class LookupServer : public QObject {
    Q_OBJECT
public:
    using Answerer = std::function<Answer(const Request&)>;

    // The server listens already; the answerer carries out each request.
    LookupServer(std::unique_ptr<QLocalServer> server, Answerer answerer, QObject* parent = nullptr);
    ~LookupServer() override;

    // How long a connection may take to deliver its request.
    static constexpr int kRequestTimeLimitMs = 2000;

private:
    // A later start connected: its connection is taken if it runs as this
    // user, with a time limit for its request.
    void accept();
    // Bytes arrived on a connection: once its request line is whole, the
    // request is answered and the connection ends.
    void read(QLocalSocket* connection);

    std::unique_ptr<QLocalServer> m_server;
    Answerer m_answerer;
};

}  // namespace termora::instance
