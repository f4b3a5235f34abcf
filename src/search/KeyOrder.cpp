#include "search/KeyOrder.h"

#include "platform/Windows1252.h"

#include <algorithm>

namespace termora {

int compareKeys(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int fa = cp1252::foldCase(static_cast<unsigned char>(a[i]));
        const int fb = cp1252::foldCase(static_cast<unsigned char>(b[i]));
        if (fa != fb) return fa - fb;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

}  // namespace termora
