#include "platform/BrowserCatalog.h"

#include "platform/TextFile.h"
#include "platform/UserError.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace termora {
namespace {

// The escapes of a desktop entry's string values: \s \n \t \r \\.
QString unescapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        switch (value[++i].unicode()) {
            case 's': out += QLatin1Char(' '); break;
            case 'n': out += QLatin1Char('\n'); break;
            case 't': out += QLatin1Char('\t'); break;
            case 'r': out += QLatin1Char('\r'); break;
            case '\\': out += QLatin1Char('\\'); break;
            default: out += c; out += value[i]; break;
        }
    }
    return out;
}

bool isFieldCode(QChar c) { return QStringLiteral("fFuUdDnNickvm").contains(c); }

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// The desktop file id of a file below an applications directory.
QString desktopFileId(const QString& applicationsDir, const QString& filePath) {
    return QDir(applicationsDir).relativeFilePath(filePath).replace(QLatin1Char('/'), QLatin1Char('-'));
}

QStringList applicationFiles(const QString& applicationsDir) {
    QStringList files;
    QDirIterator it(applicationsDir, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files.append(it.next());
    std::sort(files.begin(), files.end());
    return files;
}

// The entry's bytes, or nothing when it cannot be read: an entry that is no
// regular file or far too long for a desktop entry is skipped like a
// missing one.
std::optional<QByteArray> readDesktopEntry(const QString& path) {
    constexpr qint64 kDesktopEntryLimit = 1024 * 1024;
    try {
        return textfile::load(path, kDesktopEntryLimit);
    } catch (const UserError&) {
        return std::nullopt;
    }
}

}  // namespace

DesktopEntry parseDesktopEntry(const QByteArray& bytes) {
    DesktopEntry entry;
    bool inMainGroup = false;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals < 0) continue;
        const QString key = line.left(equals).trimmed();
        const QString value = unescapeValue(line.mid(equals + 1).trimmed());
        if (key == QLatin1String("Type")) entry.type = value;
        else if (key == QLatin1String("Categories")) entry.categories = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        else if (key == QLatin1String("Exec")) entry.exec = value;
        else if (key == QLatin1String("Hidden")) entry.hidden = value == QLatin1String("true");
    }
    return entry;
}

QString stripFieldCodes(const QString& exec) {
    QString out;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c != QLatin1Char('%') || i + 1 == exec.size()) {
            out += c;
            continue;
        }
        const QChar code = exec[++i];
        if (code == QLatin1Char('%')) {
            out += code;
        } else if (isFieldCode(code)) {
            const bool ownArgument = (out.isEmpty() || isBlank(out.back())) && (i + 1 == exec.size() || isBlank(exec[i + 1]));
            if (ownArgument) {
                while (!out.isEmpty() && isBlank(out.back())) out.chop(1);
            }
        } else {
            out += c;
            out += code;
        }
    }
    return out.trimmed();
}

BrowserCatalog::BrowserCatalog()
    : m_dataDirs(QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {}

QList<RegisteredBrowser> BrowserCatalog::browsers() const {
    QList<RegisteredBrowser> found;
    QSet<QString> seen;
    for (const QString& dataDir : m_dataDirs) {
        const QString applicationsDir = QDir(dataDir).filePath(QStringLiteral("applications"));
        for (const QString& path : applicationFiles(applicationsDir)) {
            const QString id = desktopFileId(applicationsDir, path);
            if (seen.contains(id)) continue;
            seen.insert(id);
            const auto bytes = readDesktopEntry(path);
            if (!bytes) continue;
            const DesktopEntry entry = parseDesktopEntry(*bytes);
            const bool browser = entry.type == QLatin1String("Application") && !entry.hidden &&
                                 entry.categories.contains(QLatin1String("WebBrowser"));
            if (browser) found.append({id, stripFieldCodes(entry.exec)});
        }
    }
    return found;
}

}  // namespace termora
