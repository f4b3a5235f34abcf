#include "app/LookupTerm.h"

#include "platform/Windows1252.h"

#include <cstdio>

namespace termora::launch {
namespace {

// The scalar starting at text[at] of well-formed UTF-8; moves at past it.
char32_t nextScalar(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    const int trailing = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t scalar = lead & (0x3F >> trailing);
    for (int i = 0; i < trailing; ++i) scalar = (scalar << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    return scalar;
}

bool isControl(char32_t scalar) { return scalar < 0x20 || (scalar >= 0x7F && scalar <= 0x9F); }

}  // namespace

std::optional<std::string> termProblem(std::string_view utf8) {
    if (!cp1252::isValidUtf8(utf8)) return "is not valid UTF-8";
    std::size_t length = 0;
    for (std::size_t at = 0; at < utf8.size(); ++length) {
        const char32_t scalar = nextScalar(utf8, at);
        if (isControl(scalar)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(scalar));
            return std::string("holds a control character (") + code + ")";
        }
    }
    if (length > kMaxTermLength) return "is longer than " + std::to_string(kMaxTermLength) + " characters";
    return std::nullopt;
}

}  // namespace termora::launch
