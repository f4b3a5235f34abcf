#include "store/AcronymStore.h"

#include "platform/Windows1252.h"
#include "store/AcronymTables.h"

namespace termora {

AcronymStore::AcronymStore(const Tables& tables) : m_tables(tables) {
    for (std::size_t b = 0; b < m_tables.size(); ++b) {
        auto& index = m_keyIndexes[b];
        index.reserve(m_tables[b].size());
        for (const TSL& record : m_tables[b]) index.push_back(record.S);
    }
}

const AcronymStore& AcronymStore::builtIn() {
    static const AcronymStore store(data::kAcronymTables);
    return store;
}

int AcronymStore::recordCount() const {
    int count = 0;
    for (const auto& table : m_tables) count += static_cast<int>(table.size());
    return count;
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
