#pragma once
// One offline search over the store: the hits of the chosen method in
// visiting order, followed by the whole dictionary when the text is the
// full-listing code.

#include "search/SearchMethod.h"
#include "store/AcronymStore.h"
#include "store/Dictionary.h"

#include <string_view>
#include <vector>

namespace termora {

// Exact visits the one table of the lowered text's first character; the
// other methods visit tables A to Z, then other initials, each from its
// first record to its last. An empty text gives no hits.
std::vector<const TSL*> runSearch(const AcronymStore& store, std::string_view text, SearchMethod method,
                                  bool sameLength);

// The same hits, stably sorted in the result list's key order (as sortByKey
// would sort them, from the store's precomputed order).
std::vector<const TSL*> runSearchInKeyOrder(const AcronymStore& store, std::string_view text, SearchMethod method,
                                            bool sameLength);

// The hits over the built-in entries and the user's, in the result list's
// key order (DictionarySearch.h).
std::vector<const TSL*> runSearchInKeyOrder(const Dictionary& dictionary, std::string_view text, SearchMethod method,
                                            bool sameLength);

// Stable sort of records in the result list's key order.
void sortByKey(std::vector<const TSL*>& records);

}  // namespace termora
