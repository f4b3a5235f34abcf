#pragma once
// The 27 LetterBuckets: each table of records with its key index, the
// table's keys in table order (position i belongs to record i). The built-in
// store is created once and shared by every window for the program's life.

#include "store/RecordLine.h"
#include "store/TSL.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace termora {

class AcronymStore {
public:
    using Tables = std::array<std::span<const TSL>, kLetterBucketCount>;

    // Builds the key indexes over the given tables (which must outlive the store).
    explicit AcronymStore(const Tables& tables);

    // The compiled-in dictionary, built on first use.
    static const AcronymStore& builtIn();

    std::span<const TSL> table(int bucket) const { return m_tables.at(static_cast<std::size_t>(bucket)); }
    const std::vector<std::string_view>& keyIndex(int bucket) const { return m_keyIndexes.at(static_cast<std::size_t>(bucket)); }
    int recordCount() const;

    // First position in the key index of the key's bucket whose text equals
    // the key ignoring case, or -1.
    int keyPosition(std::string_view key) const;

    // The record of a listed key, or nullptr when the key is not in its bucket.
    const TSL* findKey(std::string_view key) const;

private:
    Tables m_tables;
    std::array<std::vector<std::string_view>, kLetterBucketCount> m_keyIndexes;
};

}  // namespace termora
