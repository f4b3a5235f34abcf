#pragma once
// The program's string values under HKEY_CURRENT_USER, kept in an INI file
// at $XDG_CONFIG_HOME/Velmont/registry.ini with the same key paths and value
// names (a key path such as "Software\Velmont\Support" is an INI group).

#include <QByteArray>
#include <QString>

namespace termora::registry {

// Path of the file that holds the values.
QString storePath();

// The string value, or an empty text when the key or value is missing or the
// file cannot be opened as a regular file of a sensible size (writing
// reports that).
// Throws UserError "Invalid data type for '%s'" when the value is no string.
QString ReadUserRegString(const QString& keyPath, const QString& valueName);

// Creates the key when missing and sets the string value. Throws UserError
// "Error creating system registry entry" when it cannot be stored, and
// "Cannot open file \"%s\". %s" when the file is a folder, a fifo, a device
// or far too long, which is then left alone. A file that cannot be read back
// whole is first copied to "registry.ini.unreadable" (or "-2", "-3", ...)
// beside it, then rewritten with the value and whatever could be read, and
// a UserError says so.
void WriteUserRegString(const QString& keyPath, const QString& valueName, const QString& value);

// True when the settings reader can read the text completely: UTF-8 without
// a byte-order mark or NUL, every line blank, a ";" comment, a "[group]" or
// a "key=value".
bool isReadableStoreText(const QByteArray& bytes);

}  // namespace termora::registry
