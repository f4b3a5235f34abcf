#pragma once
// The file-extension catalogue: a category's member of FileExtension.db read
// into the rows the page lists.

#include "reference/ZipReader.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace termora::reference {

struct ExtensionRow {
    QString extension;
    QString description;
    friend bool operator==(const ExtensionRow&, const ExtensionRow&) = default;
};

// The lines of a member (Windows-1252; CR LF, CR or LF breaks) as rows:
// sorted by the whole line without regard to case, duplicates kept, each
// split at its first "=". A line without "=" is all extension.
QList<ExtensionRow> catalogueRows(const QByteArray& memberText);

// What a category's member may hold: far above the real catalogue (tens of
// kilobytes, about a thousand lines of less than a hundred bytes), far below
// what would freeze the page or exhaust memory.
inline constexpr MemberLimits kCatalogueMemberLimits{8 * 1024 * 1024, 100'000, 4096};

// Opens the archive, reads the category's member and closes the archive.
// Throws UserError with the reader's message when the archive or member is
// missing or damaged, or the member passes kCatalogueMemberLimits.
QList<ExtensionRow> readCategory(const QString& archivePath, const QString& category);

}  // namespace termora::reference
