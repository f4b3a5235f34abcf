#include "search/SearchRun.h"

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

void sortByKey(std::vector<const TSL*>& records) {
    std::stable_sort(records.begin(), records.end(), [](const TSL* a, const TSL* b) { return keyLess(a->S, b->S); });
}

}  // namespace termora
