#pragma once
// Every record as termora-lookup prints it, laid out in key order: hits next
// to each other in key order are bytes next to each other, written as one
// piece instead of being converted line by line. Generated at build time for
// the compiled-in dictionary by ShownLineSet, which makes them at run time
// as well.

#include "store/PackedEntries.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace termora {

struct ShownLines {
    // "KEY\tEXPANSION\n" of each record in key order.
    std::string_view lines;
    // Where the line at each position in key order starts, and the end.
    std::span<const std::uint32_t> lineStarts;
    // "KEY\n" of each record in key order, with its starts and the end.
    std::string_view keys;
    std::span<const std::uint32_t> keyStarts;
    // The position of each record (by record number) in key order.
    std::span<const std::uint32_t> positions;
};

// A key or an expansion as shown: UTF-8, the apostrophe placeholder as "'".
std::string shownText(std::string_view bytes);

// Shown lines made at run time; they own their bytes and are neither copied
// nor moved, since their view points into them.
class ShownLineSet {
public:
    explicit ShownLineSet(const PackedEntries& entries);
    ShownLineSet(const ShownLineSet&) = delete;
    ShownLineSet& operator=(const ShownLineSet&) = delete;

    const ShownLines& shown() const { return m_shown; }

private:
    std::string m_lines;
    std::vector<std::uint32_t> m_lineStarts;
    std::string m_keys;
    std::vector<std::uint32_t> m_keyStarts;
    std::vector<std::uint32_t> m_positions;
    ShownLines m_shown;
};

namespace data {

// The compiled-in dictionary's lines, over data::kAcronymEntries.
extern const ShownLines kShownLines;

}  // namespace data

}  // namespace termora
