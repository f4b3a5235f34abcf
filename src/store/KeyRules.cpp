#include "store/KeyRules.h"

#include <array>

namespace termora {
namespace {

constexpr std::array<std::string_view, 9> kStripPieces = {".", "-", "/", "&", "?", "'", " [1]", " [2]", " [3]"};

void removeAll(std::string& text, std::string_view piece) {
    std::size_t pos = 0;
    while ((pos = text.find(piece, pos)) != std::string::npos) text.erase(pos, piece.size());
}

}  // namespace

std::string lowerAsciiLetters(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return out;
}

std::string StripKey(std::string_view key) {
    std::string out(key);
    for (std::string_view piece : kStripPieces) removeAll(out, piece);
    return out;
}

}  // namespace termora
