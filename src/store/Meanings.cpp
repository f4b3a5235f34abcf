#include "store/Meanings.h"

namespace termora {
namespace {

// Length of the meaning marker at the start of text ("<12> " gives 5), or 0.
std::size_t markerAt(std::string_view text) {
    if (!text.starts_with('<')) return 0;
    std::size_t i = 1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == 1 || !text.substr(i).starts_with("> ")) return 0;
    return i + 2;
}

}  // namespace

bool opensWithMarker(std::string_view expansion) { return markerAt(expansion) > 0; }

std::vector<std::string_view> splitMeanings(std::string_view expansion) {
    std::size_t marker = markerAt(expansion);
    if (marker == 0) return {expansion};
    std::vector<std::string_view> meanings;
    std::string_view rest = expansion.substr(marker);
    std::size_t from = 0;
    for (std::size_t blank; (blank = rest.find(" <", from)) != std::string_view::npos;) {
        marker = markerAt(rest.substr(blank + 1));
        if (marker == 0) {
            from = blank + 1;
            continue;
        }
        meanings.push_back(rest.substr(0, blank));
        rest = rest.substr(blank + 1 + marker);
        from = 0;
    }
    meanings.push_back(rest);
    return meanings;
}

}  // namespace termora
