#include "TextFile.h"

#include "UserError.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstdio>

#include <cerrno>
#include <cstring>

namespace termora::textfile {
namespace {

// QFile's own error strings differ from the system's; the messages quote
// the system's text for the failing call, as the platform does.
QString systemReason(const QFileDevice& file) {
    const int code = errno;
    return code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString();
}

}  // namespace

QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.append(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.append(bytes.mid(start));
    return lines;
}

QByteArray joinLinesCrLf(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& line : lines) out.append(line).append("\r\n");
    return out;
}

QByteArray load(const QString& path) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) throw UserError(cannotOpenFileMessage(path, systemReason(file)));
    return file.readAll();
}

void save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw UserError(cannotCreateFileMessage(path, systemReason(file)));
    }
    if (file.write(bytes) != bytes.size()) throw UserError(cannotCreateFileMessage(path, systemReason(file)));
}

void saveReplacing(const QString& path, const QByteArray& bytes) {
    // QSaveFile would follow a symbolic link at path; a fresh file with an
    // unguessable name renamed over path replaces the link itself.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    errno = 0;
    if (!file.open()) throw UserError(cannotCreateFileMessage(path, systemReason(file)));
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written) throw UserError(cannotCreateFileMessage(path, systemReason(file)));
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    errno = 0;
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        throw UserError(cannotCreateFileMessage(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    file.setAutoRemove(false);
}

}  // namespace termora::textfile
