#pragma once
// Dictionary bytes (Windows-1252) as the widgets show them, and back.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace termora {

// A key as listed.
QString keyText(std::string_view key);

// An expansion as shown: the apostrophe placeholder becomes "'".
QString expansionText(std::string_view expansion);

// The bytes of a typed text, or nothing when the code page cannot hold one
// of its characters (such a text matches no key and no expansion).
std::optional<std::string> dictionaryBytes(const QString& text);

}  // namespace termora
