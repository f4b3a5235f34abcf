#pragma once
// The dictionary a window searches: the built-in store and, when the user
// has entries, the user's set beside it (OwnEntries.h), each with its
// records and key indexes.

#include "store/AcronymStore.h"
#include "store/OwnEntries.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

namespace termora {

class Dictionary {
public:
    // The built-in store alone, or with the user's entries; the store must
    // outlive the dictionary.
    explicit Dictionary(const AcronymStore& builtIn, std::span<const UserEntry> userEntries = {});
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    const AcronymStore& builtIn() const { return m_builtIn; }
    // The user's set, or nullptr when the user has no entries.
    const OwnEntries* own() const { return m_own.get(); }

    const TSL& record(DictionaryHit hit) const;

    // The record of a listed key, the user's set before the built-in one,
    // or nullptr when neither holds the key.
    const TSL* findKey(std::string_view key) const;

    // Where the user's meanings begin in the record's expansion (a byte
    // position), or npos when it holds none.
    std::size_t ownMeaningsFrom(const TSL& record) const;

    // What the user's entries add to the built-in figures.
    int addedKeys() const { return m_own ? m_own->addedKeys() : 0; }
    int addedMeanings() const { return m_own ? m_own->addedMeanings() : 0; }

private:
    const AcronymStore& m_builtIn;
    std::unique_ptr<const OwnEntries> m_own;
    std::unique_ptr<const AcronymStore> m_ownStore;
};

}  // namespace termora
