#include "search/DictionarySearch.h"

#include "search/EntrySearch.h"
#include "store/KeyOrder.h"

#include <algorithm>

namespace termora {

std::vector<DictionaryHit> findInKeyOrder(const PackedEntries& builtIn, const OwnEntries* own, std::string_view text,
                                          SearchMethod method, bool sameLength) {
    std::vector<RecordNumber> builtInHits = findRecords(builtIn, text, method, sameLength);
    std::vector<RecordNumber> ownHits;
    if (own != nullptr) {
        std::erase_if(builtInHits, [&](RecordNumber r) { return own->replaces(r); });
        ownHits = findRecords(own->entries(), text, method, sameLength);
        sortByKey(own->entries(), ownHits);
    }
    sortByKey(builtIn, builtInHits);

    std::vector<DictionaryHit> hits;
    hits.reserve(builtInHits.size() + ownHits.size());
    const auto ownFirst = [&](RecordNumber o, RecordNumber b) {
        const int order = compareKeys(own->entries().key(o), builtIn.key(b));
        return order < 0 || (order == 0 && own->replacedRecord(o).value_or(builtIn.count()) < b);
    };
    auto b = builtInHits.begin();
    for (const RecordNumber o : ownHits) {
        for (; b != builtInHits.end() && !ownFirst(o, *b); ++b) hits.push_back({*b, false});
        hits.push_back({o, true});
    }
    for (; b != builtInHits.end(); ++b) hits.push_back({*b, false});
    return hits;
}

}  // namespace termora
