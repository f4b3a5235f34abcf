#include "store/Dictionary.h"

#include <string>

namespace termora {

Dictionary::Dictionary(const AcronymStore& builtIn, std::span<const UserEntry> userEntries) : m_builtIn(builtIn) {
    if (userEntries.empty()) return;
    m_own = std::make_unique<const OwnEntries>(builtIn.entries(), userEntries);
    m_ownStore = std::make_unique<const AcronymStore>(m_own->entries());
}

const TSL& Dictionary::record(DictionaryHit hit) const {
    return hit.own ? m_ownStore->record(hit.record) : m_builtIn.record(hit.record);
}

const TSL* Dictionary::findKey(std::string_view key) const {
    if (m_ownStore) {
        if (const TSL* own = m_ownStore->findKey(key)) return own;
    }
    return m_builtIn.findKey(key);
}

std::size_t Dictionary::ownMeaningsFrom(const TSL& record) const {
    const auto number = m_ownStore ? m_ownStore->recordNumber(record) : std::nullopt;
    return number ? m_own->ownMeaningsFrom(*number) : std::string::npos;
}

}  // namespace termora
