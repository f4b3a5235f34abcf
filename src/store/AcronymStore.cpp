#include "store/AcronymStore.h"

#include "store/AcronymTables.h"

#include <functional>

namespace termora {

AcronymStore::AcronymStore(const Tables& tables)
    : m_packedHere(std::make_unique<const PackedEntrySet>(tables)), m_entries(m_packedHere->entries()) {
    indexRecords();
}

AcronymStore::AcronymStore(const PackedEntries& entries) : m_entries(entries) { indexRecords(); }

void AcronymStore::indexRecords() {
    m_records.reserve(m_entries.count());
    for (RecordNumber r = 0; r < m_entries.count(); ++r) m_records.push_back(m_entries.record(r));
    for (std::size_t b = 0; b < m_tables.size(); ++b) {
        const RecordNumber first = m_entries.tableStarts[b];
        const RecordNumber end = m_entries.tableStarts[b + 1];
        m_tables[b] = std::span<const TSL>(m_records).subspan(first, end - first);
        auto& index = m_keyIndexes[b];
        index.reserve(end - first);
        for (const TSL& record : m_tables[b]) index.push_back(record.S);
    }
}

const AcronymStore& AcronymStore::builtIn() {
    static const AcronymStore store(data::kAcronymEntries);
    return store;
}

int AcronymStore::keyPosition(std::string_view key) const {
    const auto found = firstRecordWithKey(m_entries, key);
    return found ? static_cast<int>(*found - m_entries.tableStarts[static_cast<std::size_t>(bucketOfKey(key))]) : -1;
}

std::optional<RecordNumber> AcronymStore::recordNumber(const TSL& record) const {
    const std::less<const TSL*> before;
    const TSL* const begin = m_records.data();
    if (before(&record, begin) || !before(&record, begin + m_records.size())) return std::nullopt;
    return static_cast<RecordNumber>(&record - begin);
}

const TSL* AcronymStore::findKey(std::string_view key) const {
    const int position = keyPosition(key);
    return position < 0 ? nullptr : &table(bucketOfKey(key))[static_cast<std::size_t>(position)];
}

}  // namespace termora
