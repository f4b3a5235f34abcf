#pragma once
// The one order of result keys: alphabetical without regard to letter case.
// The result list, the grid's key column and termora-lookup all sort with it.

#include <cstdint>
#include <string_view>

namespace termora {

// Negative, zero or positive like strcmp: bytes compared after case folding;
// keys equal ignoring case are ordered by their raw bytes, so the order is total.
int compareKeys(std::string_view a, std::string_view b);

inline bool keyLess(std::string_view a, std::string_view b) { return compareKeys(a, b) < 0; }

// The same order without the tie-break: zero for keys equal ignoring case,
// which therefore stand next to each other in the key order.
int compareKeysIgnoringCase(std::string_view a, std::string_view b);

// The first eight bytes of the key with their case folded, as one number,
// the first byte the highest and zeros after a shorter key: the numbers of
// two keys are in their order, or equal. Many keys sort faster by them.
std::uint64_t keyOrderPrefix(std::string_view key);

}  // namespace termora
