#include "store/RecordLine.h"

#include "store/KeyRules.h"
#include "store/TSL.h"

namespace termora {
namespace {

constexpr std::string_view kOpen = "(S:'";
constexpr std::string_view kMiddle = "';L:'";
constexpr std::string_view kClose = "'),";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string hexByte(unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("0x") + kHex[byte >> 4] + kHex[byte & 0x0F];
}

bool isControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }
bool isUndefined(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// Why the byte is no printable character of Windows-1252, or nothing.
std::optional<std::string> unprintable(std::string_view what, char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (isControl(byte)) return std::string(what) + " holds the control character " + hexByte(byte);
    if (isUndefined(byte)) {
        return std::string(what) + " holds the byte " + hexByte(byte) + ", which Windows-1252 leaves undefined";
    }
    return std::nullopt;
}
// The same for every byte of a text: the first that is none (in an
// expansion the placeholder is one, and an apostrophe is not).
std::optional<std::string> unprintableIn(std::string_view what, std::string_view text, bool expansion) {
    for (const char c : text) {
        if (expansion && c == '\'') return "apostrophe in expansion (store it as the byte 0x02)";
        const auto byte = static_cast<unsigned char>(c);
        if ((isControl(byte) || isUndefined(byte)) && !(expansion && c == TSL::kApostrophePlaceholder)) {
            return unprintable(what, c);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string formatRecordLine(std::string_view key, std::string_view expansion) {
    std::string line;
    line.reserve(kOpen.size() + key.size() + kMiddle.size() + expansion.size() + kClose.size());
    line.append(kOpen).append(key).append(kMiddle).append(expansion).append(kClose);
    return line;
}

std::optional<RecordLine> parseRecordLine(std::string_view line) {
    if (!line.starts_with(kOpen) || !line.ends_with(kClose)) return std::nullopt;
    const std::string_view body = line.substr(kOpen.size(), line.size() - kOpen.size() - kClose.size());
    const std::size_t middle = body.find(kMiddle);
    if (middle == std::string_view::npos) return std::nullopt;
    return RecordLine{body.substr(0, middle), body.substr(middle + kMiddle.size())};
}

std::optional<std::string> keyRuleViolation(std::string_view key) {
    if (auto problem = unprintableIn("key", key, false)) return problem;
    const std::size_t stripped = StripKey(key).size();
    if (stripped == 0) return "key is empty after stripping";
    if (stripped > 19) return "key has more than 19 characters after stripping";
    return std::nullopt;
}

std::optional<std::string> expansionRuleViolation(std::string_view expansion) {
    if (expansion.empty()) return "empty expansion";
    return unprintableIn("expansion", expansion, true);
}

int countMeanings(std::string_view expansion) {
    int markers = 0;
    for (std::size_t i = 0; i < expansion.size(); ++i) {
        if (expansion[i] != '<') continue;
        std::size_t j = i + 1;
        while (j < expansion.size() && isDigit(expansion[j])) ++j;
        if (j > i + 1 && j < expansion.size() && expansion[j] == '>') ++markers;
    }
    return markers == 0 ? 1 : markers;
}

int bucketOfKey(std::string_view key) {
    if (key.empty()) return kOtherInitialsBucket;
    const char first = lowerAsciiLetters(key.substr(0, 1))[0];
    return (first >= 'a' && first <= 'z') ? first - 'a' : kOtherInitialsBucket;
}

}  // namespace termora
