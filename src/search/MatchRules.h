#pragma once
// The match rules of the offline search, on Windows-1252 bytes. Pure
// functions: they read their inputs and change nothing.

#include <string_view>

namespace termora {

// Number of bytes of text equal to c.
int CountChar(char c, std::string_view text);

// True when key (stripped and lowered) can be spelt with the characters of
// text (lowered): all of them when same is set, leftovers allowed otherwise.
bool IsAnagramMatch(std::string_view text, std::string_view key, bool same);

// Exact: the key begins with q (a lowered search text), ignoring A-Z case.
bool isExactMatch(std::string_view key, std::string_view q);

// Related: q occurs in the key, ignoring A-Z case.
bool isRelatedMatch(std::string_view key, std::string_view q);

// Containing Text: q occurs in the stored expansion, ignoring A-Z case.
bool isContainingTextMatch(std::string_view expansion, std::string_view q);

// Anagram: the stripped, lowered key is an anagram of q (see IsAnagramMatch).
bool isAnagramKeyMatch(std::string_view key, std::string_view q, bool same);

}  // namespace termora
