#pragma once
// The number behind an integer edit's text, and the text for a number.
// Plain C++ so the conversion rules can be tested as a table.

#include <cstdint>
#include <string>
#include <string_view>

namespace termora::intedit {

// The standard string-to-integer conversion widened to 64 bits: leading
// blanks are skipped, then an optional "+" or "-", then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". An empty text, any
// other character or a number outside the 32-bit signed range gives 0.
std::int64_t valueOf(std::string_view text);

// The decimal form of the full 64-bit number, "-" before negative values.
std::string textOf(std::int64_t value);

}  // namespace termora::intedit
