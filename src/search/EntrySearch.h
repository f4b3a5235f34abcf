#pragma once
// The search methods over packed entries. The same hits as the rules of
// MatchRules.h tried on every record in visiting order, found by scanning
// the precomputed columns: the lowered keys or expansions as one text each,
// and for anagrams the stripped keys' lengths and letter sets before any
// letter is counted.

#include "search/SearchMethod.h"
#include "store/PackedEntries.h"

#include <string_view>
#include <vector>

namespace termora {

// Record numbers of the hits in visiting order, followed by every record
// when the text is the full-listing code; an empty text gives no hits.
// Exact visits the one table of the lowered text's first character.
std::vector<RecordNumber> findRecords(const PackedEntries& entries, std::string_view text, SearchMethod method,
                                      bool sameLength);

// Stable sort of record numbers in the result list's key order: the same
// order as sorting the records' keys with keyLess.
void sortByKey(const PackedEntries& entries, std::vector<RecordNumber>& records);

}  // namespace termora
