#include "search/SearchRun.h"

#include "search/KeyOrder.h"
#include "search/MatchRules.h"
#include "store/KeyRules.h"

#include <algorithm>

namespace termora {
namespace {

template <typename Rule>
void visitAllTables(const AcronymStore& store, std::vector<const TSL*>& hits, Rule isHit) {
    for (int b = 0; b < kLetterBucketCount; ++b) {
        for (const TSL& record : store.table(b)) {
            if (isHit(record)) hits.push_back(&record);
        }
    }
}

}  // namespace

std::vector<const TSL*> runSearch(const AcronymStore& store, std::string_view text, SearchMethod method,
                                  bool sameLength) {
    std::vector<const TSL*> hits;
    if (text.empty()) return hits;
    const std::string q = lowerAsciiLetters(text);
    switch (method) {
        case SearchMethod::Exact:
            for (const TSL& record : store.table(bucketOfKey(q))) {
                if (isExactMatch(record.S, q)) hits.push_back(&record);
            }
            break;
        case SearchMethod::Related:
            visitAllTables(store, hits, [&](const TSL& r) { return isRelatedMatch(r.S, q); });
            break;
        case SearchMethod::ContainingText:
            visitAllTables(store, hits, [&](const TSL& r) { return isContainingTextMatch(r.L, q); });
            break;
        case SearchMethod::Anagram:
            visitAllTables(store, hits, [&](const TSL& r) { return isAnagramKeyMatch(r.S, q, sameLength); });
            break;
    }
    if (text == kFullListingCode) appendFullListing(store, hits);
    return hits;
}

void appendFullListing(const AcronymStore& store, std::vector<const TSL*>& hits) {
    hits.reserve(hits.size() + static_cast<std::size_t>(store.recordCount()));
    for (int b = 0; b < kLetterBucketCount; ++b) {
        for (const TSL& record : store.table(b)) hits.push_back(&record);
    }
}

void sortByKey(std::vector<const TSL*>& records) {
    std::stable_sort(records.begin(), records.end(), [](const TSL* a, const TSL* b) { return keyLess(a->S, b->S); });
}

}  // namespace termora
