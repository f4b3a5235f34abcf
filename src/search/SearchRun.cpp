#include "search/SearchRun.h"

#include "search/DictionarySearch.h"
#include "search/EntrySearch.h"
#include "store/KeyOrder.h"

#include <algorithm>

namespace termora {
namespace {

std::vector<const TSL*> recordsOf(const AcronymStore& store, const std::vector<RecordNumber>& numbers) {
    std::vector<const TSL*> records;
    records.reserve(numbers.size());
    for (const RecordNumber number : numbers) records.push_back(&store.record(number));
    return records;
}

}  // namespace

std::vector<const TSL*> runSearch(const AcronymStore& store, std::string_view text, SearchMethod method,
                                  bool sameLength) {
    return recordsOf(store, findRecords(store.entries(), text, method, sameLength));
}

std::vector<const TSL*> runSearchInKeyOrder(const AcronymStore& store, std::string_view text, SearchMethod method,
                                            bool sameLength) {
    std::vector<RecordNumber> numbers = findRecords(store.entries(), text, method, sameLength);
    sortByKey(store.entries(), numbers);
    return recordsOf(store, numbers);
}

std::vector<const TSL*> runSearchInKeyOrder(const Dictionary& dictionary, std::string_view text, SearchMethod method,
                                            bool sameLength) {
    const std::vector<DictionaryHit> hits =
        findInKeyOrder(dictionary.builtIn().entries(), dictionary.own(), text, method, sameLength);
    std::vector<const TSL*> records;
    records.reserve(hits.size());
    for (const DictionaryHit hit : hits) records.push_back(&dictionary.record(hit));
    return records;
}

void sortByKey(std::vector<const TSL*>& records) {
    std::stable_sort(records.begin(), records.end(), [](const TSL* a, const TSL* b) { return keyLess(a->S, b->S); });
}

}  // namespace termora
