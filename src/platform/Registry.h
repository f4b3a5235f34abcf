#pragma once
// The program's string values under HKEY_CURRENT_USER, kept in an INI file
// at $XDG_CONFIG_HOME/Velmont/registry.ini with the same key paths and value
// names (a key path such as "Software\Velmont\Support" is an INI group).

#include <QString>

namespace termora::registry {

// Path of the file that holds the values.
QString storePath();

// The string value, or an empty text when the key or value is missing.
// Throws UserError "Invalid data type for '%s'" when the value is no string.
QString ReadUserRegString(const QString& keyPath, const QString& valueName);

// Creates the key when missing and sets the string value. Throws UserError
// "Error creating system registry entry" when it cannot be stored.
void WriteUserRegString(const QString& keyPath, const QString& valueName, const QString& value);

}  // namespace termora::registry
