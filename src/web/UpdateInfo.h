#pragma once
// The update file the update server delivers and the version comparison.
// The file is INI text: a section per product number with the keys
// "Version" (the latest version) and "DLink" (where to download it).

#include <QByteArray>
#include <QString>

#include <optional>

namespace termora::web {

struct UpdateInfo {
    std::optional<QString> version;
    std::optional<QString> downloadLink;
};

// The two keys of the section. Section and key names ignore case, values
// lose surrounding blanks and one pair of enclosing quotes, the first
// section and key of a name count, as the platform's INI reader does.
UpdateInfo readUpdateInfo(const QByteArray& iniText, const QString& section);

// What one update check shows: the latest version ("-" when the file has
// none), whether it is newer than the running one, and the address to
// download it from (only when newer and only an http or https address).
struct UpdateResult {
    QString latest;
    bool newer = false;
    QString downloadLink;
};
UpdateResult evaluateUpdate(const QString& current, const QByteArray& iniText, const QString& section);

// Yes when latest is newer than current. Each text counts as three
// dot-separated numbers (missing and non-numeric pieces are 0, pieces after
// the third are ignored); an empty text is never newer nor older.
bool CompareVersions(const QString& current, const QString& latest);

// Whether a download link from the network may be opened: only http and
// https addresses with a host, never a file, a program or a script.
bool isWebAddress(const QString& link);

}  // namespace termora::web
