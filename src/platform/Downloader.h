#pragma once
// Downloads an address (the download of URLDownloadToFile): the request
// follows redirects and gives up after a time limit; only the body of a
// complete, successful answer counts. The caller keeps the body it received
// and stores it where it wants, so it never reads back a file someone else
// may have put in its place.

#include "platform/ServiceSlot.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace termora {

class Downloader {
public:
    virtual ~Downloader() = default;
    // The body of the answer; nothing on every failure.
    virtual std::optional<QByteArray> download(const QString& address) = 0;
};

class NetworkDownloader : public Downloader {
public:
    // The whole download, connection included, may take this long.
    static constexpr int kDefaultTimeLimitMs = 60'000;

    explicit NetworkDownloader(int timeLimitMs = kDefaultTimeLimitMs) : m_timeLimitMs(timeLimitMs) {}
    std::optional<QByteArray> download(const QString& address) override;

private:
    int m_timeLimitMs;
};

using DownloadService = ServiceSlot<Downloader, NetworkDownloader>;

inline std::optional<QByteArray> Download(const QString& address) { return DownloadService::current().download(address); }

}  // namespace termora
