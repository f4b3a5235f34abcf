#include "controls/ResizeKitNames.h"

#include <algorithm>
#include <cctype>

namespace termora::resizekit {

NameList::NameList(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t semicolon = text.find(';'); semicolon != std::string_view::npos;
         semicolon = text.find(';', start)) {
        m_names.emplace_back(text.substr(start, semicolon - start));
        start = semicolon + 1;
    }
    if (start < text.size()) m_names.emplace_back(text.substr(start));
}

bool NameList::contains(std::string_view name) const {
    const auto sameIgnoringCase = [name](const std::string& entry) {
        return std::ranges::equal(entry, name, [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    return std::ranges::any_of(m_names, sameIgnoringCase);
}

}  // namespace termora::resizekit
