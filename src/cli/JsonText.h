#pragma once
// Dictionary texts (Windows-1252) as the inside of a JSON string: UTF-8, the
// apostrophe placeholder shown as "'", valid for any bytes.

#include <string>
#include <string_view>

namespace termora::cli {

// Appends the text between the quotes of a JSON string: the quote, the
// backslash and every control character (C0, DEL and C1) escaped, as a
// short escape or \u00XX.
void appendJsonText(std::string& out, std::string_view bytes);

}  // namespace termora::cli
