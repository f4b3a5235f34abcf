#pragma once
// Whole-file text reading and writing with the line rules of the program's
// files: a line ends at CR LF, a lone CR or a lone LF; text after the last
// break is a line too; written files end every line with CR LF. Bytes are
// kept as they are (the files are 8-bit text in the Windows-1252 code page).
//
// Files the user (or anyone) can change are read without blocking, only when
// they are regular files, and only up to a bound far above their real size;
// files are written as a new file that replaces the old one only once it is
// complete, so a failed write never leaves a cut file behind.

#include <QByteArray>
#include <QList>
#include <QString>

namespace termora::textfile {

QList<QByteArray> splitLines(const QByteArray& bytes);
QByteArray joinLinesCrLf(const QList<QByteArray>& lines);

// Reason given for a path that holds a fifo, a device or a socket.
QString notRegularFileReason();

// Reads a whole regular file of at most maxBytes. A fifo or device at the
// path is refused, never waited on. Throws UserError "Cannot open file
// \"%s\". %s" with the system's reason, notRegularFileReason() or, for a
// larger file, "File too large".
QByteArray load(const QString& path, qint64 maxBytes);

// Writes the bytes to a new file in the same folder, flushes it to the disk
// and renames it over the path; on any failure the old file stays whole. A
// link at the path is followed (the file it names is replaced); a folder or
// anything else that is not a regular file is refused.
// Throws UserError "Cannot create file \"%s\". %s".
void save(const QString& path, const QByteArray& bytes);

// save() for files in the temporary folder: whatever is at the path, a link
// included, is replaced, so a link planted under the name cannot redirect
// the write to another file.
void saveReplacing(const QString& path, const QByteArray& bytes);

}  // namespace termora::textfile
