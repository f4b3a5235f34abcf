#pragma once
// The search as its rules state it, record by record: the tables visited in
// order with the rules of MatchRules.h, the full listing appended, and a
// stable sort with keyLess. The fast search is held to it.

#include "search/MatchRules.h"
#include "search/SearchMethod.h"
#include "store/AcronymStore.h"
#include "store/KeyOrder.h"
#include "store/KeyRules.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace termora::reference {

inline std::vector<const TSL*> search(const AcronymStore& store, std::string_view text, SearchMethod method, bool same) {
    std::vector<const TSL*> hits;
    if (text.empty()) return hits;
    const std::string q = lowerAsciiLetters(text);
    const auto isHit = [&](const TSL& r) {
        switch (method) {
            case SearchMethod::Exact: return isExactMatch(r.S, q);
            case SearchMethod::Related: return isRelatedMatch(r.S, q);
            case SearchMethod::ContainingText: return isContainingTextMatch(r.L, q);
            case SearchMethod::Anagram: return isAnagramKeyMatch(r.S, q, same);
        }
        return false;
    };
    for (int b = 0; b < kLetterBucketCount; ++b) {
        if (method == SearchMethod::Exact && b != bucketOfKey(q)) continue;
        for (const TSL& record : store.table(b)) {
            if (isHit(record)) hits.push_back(&record);
        }
    }
    if (text == kFullListingCode) {
        for (int b = 0; b < kLetterBucketCount; ++b) {
            for (const TSL& record : store.table(b)) hits.push_back(&record);
        }
    }
    return hits;
}

inline std::vector<const TSL*> sorted(std::vector<const TSL*> hits) {
    std::stable_sort(hits.begin(), hits.end(), [](const TSL* a, const TSL* b) { return keyLess(a->S, b->S); });
    return hits;
}

}  // namespace termora::reference
