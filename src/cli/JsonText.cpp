#include "cli/JsonText.h"

#include "platform/Windows1252.h"
#include "store/TSL.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace termora::cli {
namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

// True when the word holds the byte (exact as a whole, although a borrow may
// mark further bytes).
constexpr bool hasByte(std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return ((x - kOnes) & ~x & kHighBits) != 0;
}

// Bytes copied as they are: printable ASCII but the quote and the backslash.
constexpr bool isPlain(unsigned char byte) { return byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\'; }

// True when all eight bytes of the word are plain; a byte below 0x20 borrows
// from its high bit, a byte from 0x80 has it set.
constexpr bool allPlain(std::uint64_t word) {
    if ((((word - kOnes * 0x20) | word) & kHighBits) != 0) return false;
    return !hasByte(word, 0x7F) && !hasByte(word, '"') && !hasByte(word, '\\');
}

// The number of plain bytes from position i on: eight at a time while they
// are, then byte by byte.
std::size_t plainRun(std::string_view bytes, std::size_t i) {
    const std::size_t start = i;
    for (std::uint64_t word; i + 8 <= bytes.size(); i += 8) {
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if (!allPlain(word)) break;
    }
    while (i < bytes.size() && isPlain(static_cast<unsigned char>(bytes[i]))) ++i;
    return i - start;
}

// The UTF-8 form of each byte of the code page.
const std::array<std::string, 256>& utf8Table() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> forms;
        for (std::size_t byte = 0; byte < forms.size(); ++byte) {
            const char c = static_cast<char>(byte);
            forms[byte] = cp1252::toUtf8(std::string_view(&c, 1));
        }
        return forms;
    }();
    return table;
}

void appendEscape(std::string& out, char32_t scalar) {
    switch (scalar) {
        case '"': out += "\\\""; return;
        case '\\': out += "\\\\"; return;
        case '\b': out += "\\b"; return;
        case '\f': out += "\\f"; return;
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        case '\t': out += "\\t"; return;
        default: break;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[(scalar >> 4) & 0xF];
    out += kHex[scalar & 0xF];
}

void appendByte(std::string& out, unsigned char byte) {
    if (byte == static_cast<unsigned char>(TSL::kApostrophePlaceholder)) {
        out += '\'';
        return;
    }
    const char32_t scalar = cp1252::toUnicode(byte);
    if (scalar == '"' || scalar == '\\' || scalar < 0x20 || (scalar >= 0x7F && scalar <= 0x9F)) {
        appendEscape(out, scalar);
    } else {
        out += utf8Table()[byte];
    }
}

}  // namespace

void appendJsonText(std::string& out, std::string_view bytes) {
    // Runs of plain bytes, most of the dictionary, are copied whole.
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t run = plainRun(bytes, i);
        out.append(bytes.data() + i, run);
        i += run;
        if (i < bytes.size()) appendByte(out, static_cast<unsigned char>(bytes[i++]));
    }
}

}  // namespace termora::cli
