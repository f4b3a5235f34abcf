#include "store/AcronymStore.h"

#include "platform/Windows1252.h"
#include "store/AcronymTables.h"

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
    const auto& index = keyIndex(bucketOfKey(key));
    for (std::size_t i = 0; i < index.size(); ++i) {
        if (cp1252::equalsIgnoringCase(index[i], key)) return static_cast<int>(i);
    }
    return -1;
}

const TSL* AcronymStore::findKey(std::string_view key) const {
    const int position = keyPosition(key);
    return position < 0 ? nullptr : &table(bucketOfKey(key))[static_cast<std::size_t>(position)];
}

}  // namespace termora
