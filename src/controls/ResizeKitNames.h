#pragma once
// The name lists of the kit (controls whose fonts it leaves alone, controls
// it never moves): names separated by ";".

#include <string>
#include <string_view>
#include <vector>

namespace termora::resizekit {

class NameList {
public:
    NameList() = default;
    // Every piece before a ";" counts as it stands, blanks and empty pieces
    // included; a non-empty remainder after the last ";" counts too.
    explicit NameList(std::string_view text);

    // Letter case does not matter; blanks do.
    bool contains(std::string_view name) const;
    const std::vector<std::string>& names() const { return m_names; }

private:
    std::vector<std::string> m_names;
};

}  // namespace termora::resizekit
