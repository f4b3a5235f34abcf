#pragma once
// Downloads an address into a file (DownloadToFile): the request follows
// redirects and gives up after a time limit; only a complete, successful
// answer is written, as a new file renamed into place, so a link planted
// under the file's name cannot redirect the write.

#include "ServiceSlot.h"

#include <QString>

namespace termora {

class Downloader {
public:
    virtual ~Downloader() = default;
    // True when the body was received and written; every failure is false.
    virtual bool downloadToFile(const QString& address, const QString& path) = 0;
};

class NetworkDownloader : public Downloader {
public:
    // The whole download, connection included, may take this long.
    static constexpr int kDefaultTimeLimitMs = 60'000;

    explicit NetworkDownloader(int timeLimitMs = kDefaultTimeLimitMs) : m_timeLimitMs(timeLimitMs) {}
    bool downloadToFile(const QString& address, const QString& path) override;

private:
    int m_timeLimitMs;
};

using DownloadService = ServiceSlot<Downloader, NetworkDownloader>;

inline bool DownloadToFile(const QString& address, const QString& path) {
    return DownloadService::current().downloadToFile(address, path);
}

}  // namespace termora
