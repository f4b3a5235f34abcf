#pragma once
// One offline search over the store: the hits of the chosen method in
// visiting order, followed by the whole dictionary when the text is the
// full-listing code.

#include "store/AcronymStore.h"

#include <string_view>
#include <vector>

namespace termora {

enum class SearchMethod { Exact, Related, ContainingText, Anagram };

inline constexpr std::string_view kFullListingCode = "27041995";

// Exact visits the one table of the lowered text's first character; the
// other methods visit tables A to Z, then other initials, each from its
// first record to its last. An empty text gives no hits.
std::vector<const TSL*> runSearch(const AcronymStore& store, std::string_view text, SearchMethod method,
                                  bool sameLength);

// Every record: tables A to Z, then other initials, each in table order.
void appendFullListing(const AcronymStore& store, std::vector<const TSL*>& hits);

// Stable sort of records in the result list's key order.
void sortByKey(std::vector<const TSL*>& records);

}  // namespace termora
