#include "web/UpdateInfo.h"

#include "platform/TextFile.h"

#include <QUrl>

#include <array>

namespace termora::web {
namespace {

QString unquoted(const QString& value) {
    const bool quoted = value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
                        value.back() == value.front();
    return quoted ? value.mid(1, value.size() - 2) : value;
}

std::array<int, 3> versionNumbers(const QString& text) {
    const QStringList pieces = (text + QStringLiteral(".0.0")).split(QLatin1Char('.'));
    std::array<int, 3> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        bool ok = false;
        const int value = pieces[static_cast<qsizetype>(i)].toInt(&ok);
        numbers[i] = ok ? value : 0;
    }
    return numbers;
}

}  // namespace

UpdateInfo readUpdateInfo(const QByteArray& iniText, const QString& section) {
    UpdateInfo info;
    bool inSection = false;
    bool sectionSeen = false;
    QByteArray text = iniText;
    if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
    for (const QByteArray& rawLine : textfile::splitLines(text)) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            if (sectionSeen) break;
            inSection = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            sectionSeen = inSection;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals < 0) continue;
        const QString key = line.left(equals).trimmed();
        const QString value = unquoted(line.mid(equals + 1).trimmed());
        if (key.compare(QLatin1String("Version"), Qt::CaseInsensitive) == 0 && !info.version) info.version = value;
        if (key.compare(QLatin1String("DLink"), Qt::CaseInsensitive) == 0 && !info.downloadLink) {
            info.downloadLink = value;
        }
    }
    return info;
}

bool CompareVersions(const QString& current, const QString& latest) {
    if (current.isEmpty() || latest.isEmpty()) return false;
    return versionNumbers(latest) > versionNumbers(current);
}

UpdateResult evaluateUpdate(const QString& current, const QByteArray& iniText, const QString& section) {
    const UpdateInfo info = readUpdateInfo(iniText, section);
    UpdateResult result;
    result.latest = info.version.value_or(QStringLiteral("-"));
    result.newer = CompareVersions(current, result.latest);
    const QString link = info.downloadLink.value_or(QString());
    if (result.newer && isWebAddress(link)) result.downloadLink = link;
    return result;
}

bool isWebAddress(const QString& link) {
    const QUrl url(link, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

}  // namespace termora::web
