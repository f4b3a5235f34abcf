#include "search/EntrySearch.h"

#include "search/ByteScan.h"
#include "store/Galloping.h"
#include "store/KeyRules.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

namespace termora {
namespace {

// The last record r at or after from whose text starts at or before
// position; hits lie close together, so the search gallops from the last.
RecordNumber recordAt(std::span<const std::uint32_t> starts, RecordNumber from, std::size_t position) {
    const std::size_t count = starts.size() - 1;
    return static_cast<RecordNumber>(
        gallopingPartitionPoint(from + 1, count, [&](std::size_t r) { return starts[r] <= position; }) - 1);
}

// Records whose lowered text (between starts, each ended by a zero byte)
// holds q. One scan over all texts; a match running over a text's end
// belongs to no record, and after a hit the scan goes on with the next text.
void appendContaining(std::string_view lowered, std::span<const std::uint32_t> starts, std::string_view q,
                      std::vector<RecordNumber>& hits) {
    const std::string_view texts = lowered.substr(0, starts.back());
    const ByteFinder finder(q);
    RecordNumber record = 0;
    for (std::size_t at = finder.find(texts, starts.front()); at != std::string_view::npos;) {
        record = recordAt(starts, record, at);
        const std::size_t end = starts[record + 1] - 1;
        if (at + q.size() <= end) hits.push_back(record);
        if (++record == starts.size() - 1) return;
        at = finder.find(texts, starts[record]);
    }
}

void appendExact(const PackedEntries& entries, std::string_view q, std::vector<RecordNumber>& hits) {
    const auto table = static_cast<std::size_t>(bucketOfKey(q));
    for (RecordNumber r = entries.tableStarts[table]; r < entries.tableStarts[table + 1]; ++r) {
        const std::string_view key = entries.loweredKey(r);
        if (key.size() >= q.size() && std::memcmp(key.data(), q.data(), q.size()) == 0) hits.push_back(r);
    }
}

// IsAnagramMatch with the text's letters counted once: a key fits when no
// byte occurs in it more often than in the text. With equal lengths that is
// a rearrangement of the whole text, which Same Length asks for.
void appendAnagrams(const PackedEntries& entries, std::string_view q, bool sameLength, std::vector<RecordNumber>& hits) {
    std::array<std::size_t, 256> inText{};
    for (const char c : q) ++inText[static_cast<unsigned char>(c)];
    const std::uint64_t textLetters = anagramLetterSet(q);
    std::array<std::size_t, 256> inKey{};
    for (RecordNumber r = 0; r < entries.count(); ++r) {
        const std::size_t length = entries.anagramKeyStarts[r + 1] - entries.anagramKeyStarts[r];
        if (length == 0 || (sameLength ? length != q.size() : length > q.size())) continue;
        if ((entries.anagramLetters[r] & ~textLetters) != 0) continue;
        const std::string_view key = entries.anagramKey(r);
        bool fits = true;
        for (const char c : key) fits = fits && ++inKey[static_cast<unsigned char>(c)] <= inText[static_cast<unsigned char>(c)];
        for (const char c : key) inKey[static_cast<unsigned char>(c)] = 0;
        if (fits) hits.push_back(r);
    }
}

}  // namespace

std::vector<RecordNumber> findRecords(const PackedEntries& entries, std::string_view text, SearchMethod method,
                                      bool sameLength) {
    std::vector<RecordNumber> hits;
    if (text.empty()) return hits;
    // A method over all tables gets room for every record at once: growing
    // step by step would copy the hits of a common term several times over.
    if (method != SearchMethod::Exact) hits.reserve(entries.count());
    const std::string q = lowerAsciiLetters(text);
    switch (method) {
        case SearchMethod::Exact:
            appendExact(entries, q, hits);
            break;
        case SearchMethod::Related:
            appendContaining(entries.lowered, entries.keyStarts, q, hits);
            break;
        case SearchMethod::ContainingText:
            appendContaining(entries.lowered, entries.expansionStarts, q, hits);
            break;
        case SearchMethod::Anagram:
            appendAnagrams(entries, q, sameLength, hits);
            break;
    }
    if (text == kFullListingCode) {
        hits.reserve(hits.size() + entries.count());
        for (RecordNumber r = 0; r < entries.count(); ++r) hits.push_back(r);
    }
    return hits;
}

void sortByKey(const PackedEntries& entries, std::vector<RecordNumber>& records) {
    const auto rank = entries.keyRanks;
    // A few records sort by comparison.
    if (records.size() < entries.count() / 16) {
        std::stable_sort(records.begin(), records.end(), [&](RecordNumber a, RecordNumber b) { return rank[a] < rank[b]; });
        return;
    }
    // Many hits of one method arrive in record order, each once: marked, they
    // come out of the key order as it stands, records with equal keys in
    // record order as a stable sort leaves them.
    if (std::adjacent_find(records.begin(), records.end(), std::greater_equal<>()) == records.end()) {
        std::vector<bool> hit(entries.count());
        for (const RecordNumber r : records) hit[r] = true;
        auto next = records.begin();
        for (const RecordNumber r : entries.keyOrder) {
            if (hit[r]) *next++ = r;
        }
        return;
    }
    // Otherwise (the full listing after a method's hits) counting the records
    // of each rank places them in one pass, in their order of arrival.
    std::vector<std::uint32_t> next(entries.count() + 1, 0);
    for (const RecordNumber r : records) ++next[rank[r] + 1];
    for (std::size_t i = 1; i < next.size(); ++i) next[i] += next[i - 1];
    std::vector<RecordNumber> sorted(records.size());
    for (const RecordNumber r : records) sorted[next[rank[r]]++] = r;
    records = std::move(sorted);
}

}  // namespace termora
