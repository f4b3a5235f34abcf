#pragma once
// Writes a grid list to its file in the private temporary folder and reads
// the file back into rows.

#include "support/GridText.h"

namespace termora::support {

// Replaces the file (a new file renamed into place, so a link planted under
// the name cannot redirect the write) and reads it back. Throws UserError
// "Cannot create file ..." when it cannot be written, and "File not found",
// "File access denied" or "I/O error %d" when it cannot be read back.
GridRows writeAndReadBack(const QString& path, const QByteArray& bytes);

// The reading half alone, with the same read errors.
GridRows readGridFile(const QString& path);

}  // namespace termora::support
