#include "store/PackedEntries.h"

#include "store/KeyOrder.h"
#include "store/KeyRules.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace termora {
namespace {

std::uint32_t offset(const std::string& bytes) {
    if (bytes.size() > UINT32_MAX) throw std::length_error("The dictionary texts exceed 4 GiB");
    return static_cast<std::uint32_t>(bytes.size());
}

// The stretch of the key order whose keys, cut to the length of text when
// cut is set, equal text ignoring case.
std::span<const RecordNumber> keyOrderStretch(const PackedEntries& entries, std::string_view text, bool cut) {
    const auto keyOf = [&](RecordNumber r) {
        const std::string_view key = entries.key(r);
        return cut ? key.substr(0, text.size()) : key;
    };
    const auto before = [&](RecordNumber r, std::string_view t) { return compareKeysIgnoringCase(keyOf(r), t) < 0; };
    const auto after = [&](std::string_view t, RecordNumber r) { return compareKeysIgnoringCase(t, keyOf(r)) < 0; };
    const auto first = std::lower_bound(entries.keyOrder.begin(), entries.keyOrder.end(), text, before);
    const auto last = std::upper_bound(first, entries.keyOrder.end(), text, after);
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
    const auto table = static_cast<std::size_t>(bucketOfKey(key));
    const RecordNumber first = entries.tableStarts[table];
    const RecordNumber end = entries.tableStarts[table + 1];
    RecordNumber found = end;
    for (const RecordNumber r : recordsWithKey(entries, key)) {
        if (r >= first && r < found) found = r;
    }
    return found == end ? std::nullopt : std::optional<RecordNumber>(found);
}

PackedEntrySet::PackedEntrySet(const std::array<std::span<const TSL>, kLetterBucketCount>& tables) {
    std::vector<const TSL*> records;
    std::array<RecordNumber, kLetterBucketCount + 1> tableStarts{};
    for (std::size_t b = 0; b < tables.size(); ++b) {
        tableStarts[b] = static_cast<RecordNumber>(records.size());
        for (const TSL& record : tables[b]) records.push_back(&record);
    }
    tableStarts.back() = static_cast<RecordNumber>(records.size());

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

    m_keyOrder.resize(records.size());
    std::iota(m_keyOrder.begin(), m_keyOrder.end(), RecordNumber{0});
    std::stable_sort(m_keyOrder.begin(), m_keyOrder.end(),
                     [&](RecordNumber a, RecordNumber b) { return keyLess(records[a]->S, records[b]->S); });
    m_keyRanks.resize(records.size());
    for (std::size_t i = 0; i < m_keyOrder.size(); ++i) {
        const bool sameAsBefore = i > 0 && records[m_keyOrder[i]]->S == records[m_keyOrder[i - 1]]->S;
        m_keyRanks[m_keyOrder[i]] = sameAsBefore ? m_keyRanks[m_keyOrder[i - 1]] : static_cast<std::uint32_t>(i);
    }

    m_entries = PackedEntries{m_text, m_lowered, m_keyStarts, m_expansionStarts, m_anagramKeys, m_anagramKeyStarts,
                              m_anagramLetters, m_keyOrder, m_keyRanks, tableStarts};
}

}  // namespace termora
