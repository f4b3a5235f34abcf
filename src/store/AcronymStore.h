#pragma once
// The 27 LetterBuckets: each table of records with its key index, the
// table's keys in table order (position i belongs to record i), over a set
// of packed entries that the search methods scan. The built-in store is
// created once and shared by every window for the program's life.

#include "store/PackedEntries.h"
#include "store/RecordLine.h"
#include "store/TSL.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace termora {

class AcronymStore {
public:
    using Tables = std::array<std::span<const TSL>, kLetterBucketCount>;

    // Packs a copy of the given tables and builds the key indexes.
    explicit AcronymStore(const Tables& tables);
    // Over entries packed already, which must outlive the store.
    explicit AcronymStore(const PackedEntries& entries);

    // The compiled-in dictionary, built on first use.
    static const AcronymStore& builtIn();

    std::span<const TSL> table(int bucket) const { return m_tables.at(static_cast<std::size_t>(bucket)); }
    const std::vector<std::string_view>& keyIndex(int bucket) const { return m_keyIndexes.at(static_cast<std::size_t>(bucket)); }
    int recordCount() const { return static_cast<int>(m_records.size()); }

    // What the search methods scan; its record numbers are those of record().
    const PackedEntries& entries() const { return m_entries; }
    const TSL& record(RecordNumber number) const { return m_records[number]; }

    // First position in the key index of the key's bucket whose text equals
    // the key ignoring case, or -1.
    int keyPosition(std::string_view key) const;

    // The record of a listed key, or nullptr when the key is not in its bucket.
    const TSL* findKey(std::string_view key) const;

    // The number of one of this store's records, or nothing for a record
    // of another store.
    std::optional<RecordNumber> recordNumber(const TSL& record) const;

private:
    // Views the records of the entries and fills the key indexes.
    void indexRecords();

    std::unique_ptr<const PackedEntrySet> m_packedHere;
    const PackedEntries& m_entries;
    std::vector<TSL> m_records;
    Tables m_tables;
    std::array<std::vector<std::string_view>, kLetterBucketCount> m_keyIndexes;
};

}  // namespace termora
