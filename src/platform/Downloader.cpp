#include "Downloader.h"

#include "TextFile.h"
#include "UserError.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace termora {

bool NetworkDownloader::downloadToFile(const QString& address, const QString& path) {
    const QUrl url(address);
    if (!url.isValid() || url.isRelative()) return false;

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
    if (!received) return false;
    try {
        textfile::saveReplacing(path, reply->readAll());
    } catch (const UserError&) {
        return false;  // a file that cannot be written is a failed download
    }
    return true;
}

}  // namespace termora
