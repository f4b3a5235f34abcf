#include "store/PackedEntries.h"

#include "store/KeyOrder.h"
#include "store/KeyRules.h"

#include <algorithm>
#include <utility>
#include <stdexcept>

namespace termora {
namespace {

std::uint32_t offset(const std::string& bytes) {
    if (bytes.size() > UINT32_MAX) throw std::length_error("The dictionary texts exceed 4 GiB");
    return static_cast<std::uint32_t>(bytes.size());
}

// The stretch of the key order whose keys, cut to the length of text when
// cut is set, equal text ignoring case. It is short: found where it begins,
// it is walked to its end.
std::span<const RecordNumber> keyOrderStretch(const PackedEntries& entries, std::string_view text, bool cut) {
    const auto compare = [&](RecordNumber r) {
        const std::string_view key = entries.key(r);
        return compareKeysIgnoringCase(cut ? key.substr(0, text.size()) : key, text);
    };
    const auto first = std::lower_bound(entries.keyOrder.begin(), entries.keyOrder.end(), text,
                                        [&](RecordNumber r, std::string_view) { return compare(r) < 0; });
    auto last = first;
    while (last != entries.keyOrder.end() && compare(*last) == 0) ++last;
    return {first, last};
}

}  // namespace

std::span<const RecordNumber> recordsWithKey(const PackedEntries& entries, std::string_view key) {
    return keyOrderStretch(entries, key, false);
}

std::span<const RecordNumber> recordsWithKeyPrefix(const PackedEntries& entries, std::string_view prefix) {
    return keyOrderStretch(entries, prefix, true);
}

std::optional<RecordNumber> firstRecordWithKey(const PackedEntries& entries, std::string_view key) {
    return firstInTableOf(entries, key, recordsWithKey(entries, key));
}

bool inTableOf(const PackedEntries& entries, std::string_view key, RecordNumber r) {
    const auto table = static_cast<std::size_t>(bucketOfKey(key));
    return r >= entries.tableStarts[table] && r < entries.tableStarts[table + 1];
}

std::optional<RecordNumber> firstInTableOf(const PackedEntries& entries, std::string_view key,
                                           std::span<const RecordNumber> records) {
    std::optional<RecordNumber> found;
    for (const RecordNumber r : records) {
        if (inTableOf(entries, key, r) && (!found || r < *found)) found = r;
    }
    return found;
}

PackedEntrySet::PackedEntrySet(const std::array<std::span<const TSL>, kLetterBucketCount>& tables) {
    std::vector<const TSL*> records;
    std::array<RecordNumber, kLetterBucketCount + 1> tableStarts{};
    for (std::size_t b = 0; b < tables.size(); ++b) {
        tableStarts[b] = static_cast<RecordNumber>(records.size());
        for (const TSL& record : tables[b]) records.push_back(&record);
    }
    tableStarts.back() = static_cast<RecordNumber>(records.size());

    std::size_t textSize = 0;
    for (const TSL* record : records) textSize += record->S.size() + record->L.size() + 2;
    m_text.reserve(textSize);
    m_keyStarts.reserve(records.size() + 1);
    m_expansionStarts.reserve(records.size() + 1);
    m_anagramKeyStarts.reserve(records.size() + 1);
    m_anagramLetters.reserve(records.size());
    for (const TSL* record : records) {
        m_keyStarts.push_back(offset(m_text));
        m_text.append(record->S).append(1, '\0');
    }
    m_keyStarts.push_back(offset(m_text));
    for (const TSL* record : records) {
        m_expansionStarts.push_back(offset(m_text));
        m_text.append(record->L).append(1, '\0');
    }
    m_expansionStarts.push_back(offset(m_text));
    m_lowered = lowerAsciiLetters(m_text);

    for (const TSL* record : records) {
        const std::string stripped = lowerAsciiLetters(StripKey(record->S));
        m_anagramKeyStarts.push_back(offset(m_anagramKeys));
        m_anagramKeys += stripped;
        m_anagramLetters.push_back(anagramLetterSet(stripped));
    }
    m_anagramKeyStarts.push_back(offset(m_anagramKeys));

    // Most keys differ in their first eight bytes: compared as one number
    // each, next to their record numbers, they sort several times faster
    // than byte by byte. Record numbers keep equal keys in record order.
    std::vector<std::pair<std::uint64_t, RecordNumber>> sorted(records.size());
    for (RecordNumber r = 0; r < records.size(); ++r) sorted[r] = {keyOrderPrefix(records[r]->S), r};
    std::sort(sorted.begin(), sorted.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        const int order = compareKeys(records[a.second]->S, records[b.second]->S);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    m_keyOrder.reserve(records.size());
    for (const auto& [prefix, r] : sorted) m_keyOrder.push_back(r);
    m_keyRanks.resize(records.size());
    for (std::size_t i = 0; i < m_keyOrder.size(); ++i) {
        const bool sameAsBefore = i > 0 && records[m_keyOrder[i]]->S == records[m_keyOrder[i - 1]]->S;
        m_keyRanks[m_keyOrder[i]] = sameAsBefore ? m_keyRanks[m_keyOrder[i - 1]] : static_cast<std::uint32_t>(i);
    }

    m_entries = PackedEntries{m_text, m_lowered, m_keyStarts, m_expansionStarts, m_anagramKeys, m_anagramKeyStarts,
                              m_anagramLetters, m_keyOrder, m_keyRanks, tableStarts};
}

}  // namespace termora
