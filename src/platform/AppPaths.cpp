#include "platform/AppPaths.h"

#include "platform/UserDataFolder.h"
#include "platform/UserError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace termora::paths {
namespace {

QString withSeparator(QString dir) {
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

QString systemText(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

// A folder others cannot put things into: the base of the private folder
// when it is not the shared temporary folder.
bool isOwnClosedFolder(const QString& path) {
    struct stat info {};
    return QDir::isAbsolutePath(path) && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// $TMPDIR as Qt reads it, or /tmp when that names no folder we may write in.
QString sharedTempBase() {
    const QString base = QDir::tempPath();
    const bool usable = QDir::isAbsolutePath(base) && QDir(base) != QDir::root() && QFileInfo(base).isDir() &&
                        ::access(QFile::encodeName(base).constData(), W_OK | X_OK) == 0;
    return usable ? base : QStringLiteral("/tmp");
}

QString privateFolderPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isOwnClosedFolder(runtime)) return QDir(runtime).filePath(QStringLiteral("termora"));
    return QDir(sharedTempBase()).filePath(QStringLiteral("termora-%1").arg(::geteuid()));
}

// Makes the folder when missing and checks that it is a real folder of this
// user that nobody else may enter; the reason when it is not.
std::optional<QString> privateFolderProblem(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), S_IRWXU) != 0 && errno != EEXIST) return systemText(errno);
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) return systemText(errno);
    if (S_ISLNK(info.st_mode)) return QStringLiteral("Its folder is a link");
    if (!S_ISDIR(info.st_mode)) return systemText(ENOTDIR);
    if (info.st_uid != ::geteuid()) return QStringLiteral("Its folder belongs to another user");
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) == 0) return std::nullopt;
    // Our own folder left open to others: close it, without following a
    // link that might have replaced it since.
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return systemText(errno);
    const bool closed = ::fchmod(fd, S_IRWXU) == 0;
    const int code = errno;
    ::close(fd);
    return closed ? std::nullopt : std::optional<QString>(systemText(code));
}

}  // namespace

QString programDir() { return withSeparator(QCoreApplication::applicationDirPath()); }

QString dataDirOf(const QString& programDir) {
    // The installed layout puts the data in share/termora beside bin/.
    const QString installed = QDir::cleanPath(programDir + QLatin1String(TERMORA_DATA_FROM_BIN));
    return QFileInfo(installed).isDir() ? withSeparator(installed) : withSeparator(programDir);
}

QString dataDir() { return dataDirOf(programDir()); }

QString userConfigDir() {
    return withSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) +
           QStringLiteral("Velmont/");
}

QString userDataDir() {
    // One rule with termora-lookup, which finds the folder without Qt.
    return QFile::decodeName(QByteArray::fromStdString(userDataFolder()));
}

void makeFolderFor(const QString& filePath) { QDir().mkpath(QFileInfo(filePath).absolutePath()); }

QString tempFile(const QString& name) {
    const QString folder = privateFolderPath();
    const QString path = withSeparator(folder) + name;
    if (const auto problem = privateFolderProblem(folder)) throw UserError(cannotCreateFileMessage(path, *problem));
    return path;
}

QString homeDir() { return withSeparator(QDir::homePath()); }

}  // namespace termora::paths
