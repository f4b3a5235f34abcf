#pragma once
// Dictionary texts are Windows-1252 bytes. These helpers convert them to and
// from Unicode and fold their letter case the way a Western code page does.

#include <optional>
#include <string>
#include <string_view>

namespace termora::cp1252 {

// The Unicode scalar for a byte (undefined bytes map to themselves, as the
// platform's own conversion does).
char32_t toUnicode(unsigned char byte);

// The byte for a Unicode scalar, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t scalar);

// Lower-case fold of a byte: A-Z and the accented capitals of the code page.
unsigned char foldCase(unsigned char byte);

// Equality ignoring case, with the fold above.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

std::string toUtf8(std::string_view bytes);

// Result of converting UTF-8 text into Windows-1252.
struct Conversion {
    std::string bytes;         // the converted text when ok
    bool ok = true;
    bool invalidUtf8 = false;  // not ok because the text is no well-formed UTF-8
    std::string offending;     // the first character that could not be converted (UTF-8),
                               // or the first byte that is no part of a UTF-8 character
};
Conversion fromUtf8(std::string_view utf8);

// True when the text is well-formed UTF-8 (no stray, overlong or surrogate
// sequences).
bool isValidUtf8(std::string_view text);

}  // namespace termora::cp1252
