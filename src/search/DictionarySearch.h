#pragma once
// A search over the built-in entries and the user's together: each set is
// searched on its own (EntrySearch.h) and the two sorted lists of hits are
// merged in the result list's key order. A built-in record that an entry of
// the user's replaces is left out; of keys equal in that order, the one that
// comes first in table order comes first, as if the user's entries stood in
// the tables: a replacing entry at the place of the record it replaces, the
// user's own keys after the built-in ones.

#include "search/SearchMethod.h"
#include "store/OwnEntries.h"
#include "store/PackedEntries.h"

#include <string_view>
#include <vector>

namespace termora {

// The hits in key order; with no user's set (own is nullptr), those of the
// built-in set alone.
std::vector<DictionaryHit> findInKeyOrder(const PackedEntries& builtIn, const OwnEntries* own, std::string_view text,
                                          SearchMethod method, bool sameLength);

}  // namespace termora
