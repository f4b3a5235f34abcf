#pragma once
// Whole-file text reading and writing with the line rules of the program's
// files: a line ends at CR LF, a lone CR or a lone LF; text after the last
// break is a line too; written files end every line with CR LF. Bytes are
// kept as they are (the files are 8-bit text in the Windows-1252 code page).

#include <QByteArray>
#include <QList>
#include <QString>

namespace termora::textfile {

QList<QByteArray> splitLines(const QByteArray& bytes);
QByteArray joinLinesCrLf(const QList<QByteArray>& lines);

// Reads a whole file. Throws UserError "Cannot open file \"%s\". %s".
QByteArray load(const QString& path);

// Creates or truncates the file and writes the bytes.
// Throws UserError "Cannot create file \"%s\". %s".
void save(const QString& path, const QByteArray& bytes);

// Writes a file in the shared temporary directory by writing a new file and
// renaming it into place, so that a link planted under the name cannot
// redirect the write to another file. Same error as save().
void saveReplacing(const QString& path, const QByteArray& bytes);

}  // namespace termora::textfile
