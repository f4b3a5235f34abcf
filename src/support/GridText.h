#pragma once
// The tab-separated lists of the contributor and more-software grids: how
// their lines are written to a file and how a file is read back into rows.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace termora::support {

using GridRows = QList<QStringList>;

// UTF-16 little-endian with a byte-order mark, every line ended by CR LF.
QByteArray encodeUtf16Lines(const QStringList& lines);

// Windows-1252 bytes ("?" for a character the code page cannot hold),
// every line ended by CR LF.
QByteArray encodeCp1252Lines(const QStringList& lines);

// The rows of a file's bytes. A byte-order mark (either byte order) selects
// UTF-16, otherwise the bytes are Windows-1252. Every line is a row, fields
// are cut at tabs, a "|" becomes a line break within its cell, and a field
// that begins with a double quote runs to the closing quote (a tab inside
// stays part of the field, a doubled quote stands for one).
GridRows parseGridText(const QByteArray& bytes);

// One row's field, or an empty text when the row is shorter.
QString field(const QStringList& row, int index);

}  // namespace termora::support
