#include "platform/Downloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace termora {

std::optional<QByteArray> NetworkDownloader::download(const QString& address) {
    const QUrl url(address);
    if (!url.isValid() || url.isRelative()) return std::nullopt;

    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    const std::unique_ptr<QNetworkReply> reply(network.get(request));

    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    limit.start(m_timeLimitMs);
    // The window waits for the answer as it would for any blocking call:
    // painted, but deaf to clicks and keys that would start a second check.
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool received = reply->error() == QNetworkReply::NoError && (status == 0 || (status >= 200 && status < 300));
    if (!received) return std::nullopt;
    return reply->readAll();
}

}  // namespace termora
