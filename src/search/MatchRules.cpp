#include "search/MatchRules.h"

#include "store/KeyRules.h"

#include <cstring>

namespace termora {
namespace {

constexpr char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Substring test of a lowered pattern in a text lowered on the fly, so that
// no copy of the stored text is made per record.
bool containsLowered(std::string_view text, std::string_view q) {
    if (q.empty()) return true;
    if (q.size() > text.size()) return false;
    const char first = q.front();
    const char firstUpper = (first >= 'a' && first <= 'z') ? static_cast<char>(first - ('a' - 'A')) : first;
    const std::size_t last = text.size() - q.size();
    for (std::size_t i = 0; i <= last; ++i) {
        const char c = text[i];
        if (c != first && c != firstUpper) continue;
        std::size_t j = 1;
        while (j < q.size() && lowerAscii(text[i + j]) == q[j]) ++j;
        if (j == q.size()) return true;
    }
    return false;
}

}  // namespace

int CountChar(char c, std::string_view text) {
    int count = 0;
    for (char t : text) count += (t == c) ? 1 : 0;
    return count;
}

bool IsAnagramMatch(std::string_view text, std::string_view key, bool same) {
    if (key.empty() || text.empty()) return false;
    if (same ? key.size() != text.size() : key.size() > text.size()) return false;
    for (char c : key) {
        const int inText = CountChar(c, text);
        const int inKey = CountChar(c, key);
        if (same ? inText != inKey : inText < inKey) return false;
    }
    return true;
}

bool isExactMatch(std::string_view key, std::string_view q) {
    if (key.size() < q.size()) return false;
    for (std::size_t i = 0; i < q.size(); ++i) {
        if (lowerAscii(key[i]) != q[i]) return false;
    }
    return true;
}

bool isRelatedMatch(std::string_view key, std::string_view q) { return containsLowered(key, q); }

bool isContainingTextMatch(std::string_view expansion, std::string_view q) { return containsLowered(expansion, q); }

bool isAnagramKeyMatch(std::string_view key, std::string_view q, bool same) {
    return IsAnagramMatch(q, lowerAsciiLetters(StripKey(key)), same);
}

}  // namespace termora
