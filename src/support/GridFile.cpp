#include "support/GridFile.h"

#include "platform/TextFile.h"
#include "platform/UserError.h"

#include <QFile>

#include <cerrno>

namespace termora::support {
namespace {

// The runtime's input/output error texts for a failed read.
QString readErrorText(int code) {
    if (code == ENOENT) return QStringLiteral("File not found");
    if (code == EACCES || code == EPERM) return QStringLiteral("File access denied");
    return QStringLiteral("I/O error %1").arg(code);
}

}  // namespace

GridRows readGridFile(const QString& path) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) throw UserError(readErrorText(errno));
    errno = 0;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw UserError(readErrorText(errno != 0 ? errno : EIO));
    return parseGridText(bytes);
}

GridRows writeAndReadBack(const QString& path, const QByteArray& bytes) {
    textfile::saveReplacing(path, bytes);
    return readGridFile(path);
}

}  // namespace termora::support
