#include "platform/TextFile.h"

#include "platform/FileDescriptor.h"
#include "platform/UserError.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace termora::textfile {
namespace {

// The messages quote the system's text for the failing call, as the
// platform does.
QString systemReason(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

// Why a path cannot be read or replaced as a regular file, or nothing when
// it can (or does not exist).
std::optional<QString> notRegularReason(const struct stat& info) {
    if (S_ISREG(info.st_mode)) return std::nullopt;
    if (S_ISDIR(info.st_mode)) return systemReason(EISDIR);
    return notRegularFileReason();
}

// The file a save really writes: the end of a link chain when the path is a
// link and links are followed; the path itself otherwise (and when the link
// leads nowhere yet).
QByteArray fileToReplace(const QByteArray& path, bool followLink) {
    if (!followLink) return path;
    char* resolved = ::realpath(path.constData(), nullptr);
    if (resolved == nullptr) return path;
    QByteArray target(resolved);
    std::free(resolved);
    return target;
}

// A new file beside the target with a name nobody can predict, created
// exclusively. Returns the descriptor, or -1 with errno set.
int createNewFileBeside(const QByteArray& target, QByteArray& newName) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        newName = target + '.';
        for (int i = 0; i < 8; ++i) newName += kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters - 1))];
        const int fd = ::open(newName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void writeThenReplace(const QString& path, const QByteArray& bytes, bool followLink) {
    const auto fail = [&](const QString& reason) { return UserError(cannotCreateFileMessage(path, reason)); };
    const QByteArray target = fileToReplace(QFile::encodeName(path), followLink);

    // An existing file keeps its permissions; what is not a regular file is
    // not replaced (unless links are replaced rather than followed).
    struct stat old {};
    const bool exists = (followLink ? ::stat(target.constData(), &old) : ::lstat(target.constData(), &old)) == 0;
    const bool replacedAnyway = !followLink && S_ISLNK(old.st_mode);
    if (exists && !replacedAnyway) {
        if (const auto reason = notRegularReason(old)) throw fail(*reason);
    }

    QByteArray newName;
    posixio::FileDescriptor file(createNewFileBeside(target, newName));
    if (!file.isOpen()) throw fail(systemReason(errno));
    const auto failAndRemove = [&](int code) {
        ::unlink(newName.constData());
        return fail(systemReason(code));
    };
    // The user's own file keeps its permissions; one found in the temporary
    // folder may have been planted there with any.
    if (followLink && exists && ::fchmod(file.get(), old.st_mode & 07777) != 0) throw failAndRemove(errno);
    int code = posixio::writeAll(file.get(), std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (code == 0 && ::fsync(file.get()) != 0) code = errno;
    if (code == 0) code = file.close();
    if (code != 0) throw failAndRemove(code);
    if (::rename(newName.constData(), target.constData()) != 0) throw failAndRemove(errno);
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

QString notRegularFileReason() { return QStringLiteral("Not a regular file"); }

QByteArray load(const QString& path, qint64 maxBytes) {
    std::string bytes;
    const std::size_t bound = std::size_t(std::max<qint64>(maxBytes, 0));
    const posixio::ReadOutcome outcome = posixio::readRegularFile(QFile::encodeName(path).constData(), bound, bytes);
    if (outcome.notRegular) throw UserError(cannotOpenFileMessage(path, notRegularFileReason()));
    if (outcome.code != 0) throw UserError(cannotOpenFileMessage(path, systemReason(outcome.code)));
    return QByteArray::fromStdString(bytes);
}

void save(const QString& path, const QByteArray& bytes) { writeThenReplace(path, bytes, true); }

void saveReplacing(const QString& path, const QByteArray& bytes) { writeThenReplace(path, bytes, false); }

}  // namespace termora::textfile
