#include "platform/Registry.h"

#include "platform/TextFile.h"
#include "platform/UserError.h"
#include "platform/Windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace termora::registry {
namespace {

// The file holds two short values; one far longer is not this file.
constexpr qint64 kStoreFileLimit = 1024 * 1024;

QString settingsKey(const QString& keyPath, const QString& valueName) {
    QString group = keyPath;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return group + QLatin1Char('/') + valueName;
}

// The store file's bytes, or nothing when there is none yet. Read before the
// settings reader sees the file, which would wait forever on a fifo and read
// a device to its end. Throws UserError "Cannot open file \"%s\". %s".
std::optional<QByteArray> storeFileBytes(const QString& path) {
    if (!QFileInfo::exists(path)) return std::nullopt;
    return textfile::load(path, kStoreFileLimit);
}

// Copies an unreadable store file to the first free name "<file>.unreadable",
// "<file>.unreadable-2", ... beside it. Returns the copy's path.
QString keepUnreadableCopy(const QString& path, const QByteArray& bytes) {
    for (int number = 1; number <= 100; ++number) {
        const QString copy =
            path + QStringLiteral(".unreadable") + (number == 1 ? QString() : QStringLiteral("-%1").arg(number));
        const QFileInfo taken(copy);
        if (taken.exists() || taken.isSymLink()) continue;
        textfile::save(copy, bytes);
        return copy;
    }
    throw UserError(cannotCreateFileMessage(path + QStringLiteral(".unreadable"), QStringLiteral("File exists")));
}

}  // namespace

bool isReadableStoreText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.contains('\0') ||
        !cp1252::isValidUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size())))) {
        return false;
    }
    for (const QByteArray& rawLine : textfile::splitLines(bytes)) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;
        const bool readable = line.startsWith('[') ? line.contains(']') : line.contains('=');
        if (!readable) return false;
    }
    return true;
}

QString storePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Velmont/registry.ini");
}

QString ReadUserRegString(const QString& keyPath, const QString& valueName) {
    const QString path = storePath();
    try {
        storeFileBytes(path);
    } catch (const UserError&) {
        return {};  // counts as holding no values; writing reports the file
    }
    const QSettings settings(path, QSettings::IniFormat);
    const QVariant value = settings.value(settingsKey(keyPath, valueName));
    if (!value.isValid()) return {};
    if (value.typeId() != QMetaType::QString) {
        throw UserError(QStringLiteral("Invalid data type for '%1'").arg(valueName));
    }
    return value.toString();
}

void WriteUserRegString(const QString& keyPath, const QString& valueName, const QString& value) {
    const QString path = storePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const std::optional<QByteArray> old = storeFileBytes(path);
    // The settings reader drops what it cannot read (a byte-order mark,
    // UTF-16 text, garbage) and the rewrite would lose it for good.
    const bool unreadable = old && !isReadableStoreText(*old);
    const QString keptCopy = unreadable ? keepUnreadableCopy(path, *old) : QString();

    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(settingsKey(keyPath, valueName), value);
    settings.sync();
    if (!unreadable) {
        if (settings.status() != QSettings::NoError) throw UserError(QStringLiteral("Error creating system registry entry"));
        return;
    }
    // The reader's status stays a format error after a good rewrite, so the
    // file itself tells whether it was rewritten.
    if (!isReadableStoreText(textfile::load(path, kStoreFileLimit))) {
        throw UserError(QStringLiteral("Error creating system registry entry"));
    }
    throw UserError(QStringLiteral("The settings file \"%1\" could not be read and was rewritten. "
                                   "The unreadable file was kept as \"%2\".")
                        .arg(path, keptCopy));
}

}  // namespace termora::registry
