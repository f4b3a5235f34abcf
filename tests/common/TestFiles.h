#pragma once
// Small helpers of the tests that read and write files and expect errors.

#include "platform/UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/stat.h>

namespace termora::testing {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes the bytes, creating missing folders; false when that fails.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Puts something that is no regular file where a file is expected: "folder",
// "fifo" (nobody writes into it), "null device" or "endless device" (links
// to /dev/null and /dev/zero), creating missing folders. False when that
// fails.
inline bool putInPlaceOfFile(const QString& path, const QString& kind) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    if (kind == u"folder") return QDir().mkdir(path);
    if (kind == u"fifo") return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == u"null device") return QFile::link(QStringLiteral("/dev/null"), path);
    if (kind == u"endless device") return QFile::link(QStringLiteral("/dev/zero"), path);
    return false;
}

// Removes what putInPlaceOfFile() put there.
inline void removeInPlaceOfFile(const QString& path) {
    if (!QFile::remove(path)) QDir(path).removeRecursively();
}

// The text of the UserError the action throws, or an empty text.
inline QString userErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const UserError& e) {
        return e.text();
    }
    return QString();
}

}  // namespace termora::testing
