#include "store/KeyOrder.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <array>

namespace termora {
namespace {

// The case fold of every byte, looked up in the sort's inner loop.
const std::array<unsigned char, 256>& foldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> folds{};
        for (std::size_t byte = 0; byte < folds.size(); ++byte) folds[byte] = cp1252::foldCase(static_cast<unsigned char>(byte));
        return folds;
    }();
    return table;
}

}  // namespace

int compareKeysIgnoringCase(std::string_view a, std::string_view b) {
    const auto& fold = foldTable();
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int fa = fold[static_cast<unsigned char>(a[i])];
        const int fb = fold[static_cast<unsigned char>(b[i])];
        if (fa != fb) return fa - fb;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return 0;
}

std::uint64_t keyOrderPrefix(std::string_view key) {
    const auto& fold = foldTable();
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        prefix = (prefix << 8) | (i < key.size() ? fold[static_cast<unsigned char>(key[i])] : 0);
    }
    return prefix;
}

int compareKeys(std::string_view a, std::string_view b) {
    const int ignoringCase = compareKeysIgnoringCase(a, b);
    return ignoringCase != 0 ? ignoringCase : a.compare(b);
}

}  // namespace termora
