#pragma once
// The rules of a key's letters that the store, its generator and the search
// share, on Windows-1252 bytes. Pure functions.

#include <string>
#include <string_view>

namespace termora {

// The text with A to Z turned to a to z; every other byte unchanged.
std::string lowerAsciiLetters(std::string_view text);

// The key without ".", "-", "/", "&", "?", "'" and its case suffix
// (" [1]", " [2]", " [3]"), each piece removed everywhere before the next.
std::string StripKey(std::string_view key);

}  // namespace termora
