#include "store/KeyRules.h"

#include <array>

namespace termora {
namespace {

// Single signs go in one pass (taking one away never makes or breaks
// another); the case suffixes follow one after another, as a removal can
// uncover the next.
constexpr std::string_view kStripSigns = ".-/&?'";
constexpr std::array<std::string_view, 3> kStripSuffixes = {" [1]", " [2]", " [3]"};

void removeAll(std::string& text, std::string_view piece) {
    std::size_t pos = 0;
    while ((pos = text.find(piece, pos)) != std::string::npos) text.erase(pos, piece.size());
}

// Whether a byte is one of the signs, looked up for every byte of a key.
constexpr std::array<bool, 256> kIsStripSign = [] {
    std::array<bool, 256> table{};
    for (const char c : kStripSigns) table[static_cast<unsigned char>(c)] = true;
    return table;
}();

}  // namespace

std::string lowerAsciiLetters(std::string_view text) {
    std::string out(text);
    // Every byte is assigned, not only the letters: the loop then runs on
    // vector instructions, which the packing of a whole dictionary feels.
    for (char& c : out) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    return out;
}

std::string StripKey(std::string_view key) {
    std::string out;
    out.reserve(key.size());
    for (const char c : key) {
        if (!kIsStripSign[static_cast<unsigned char>(c)]) out += c;
    }
    if (out.find('[') == std::string::npos) return out;
    for (std::string_view piece : kStripSuffixes) removeAll(out, piece);
    return out;
}

}  // namespace termora
