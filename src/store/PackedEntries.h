#pragma once
// A set of dictionary entries packed for searching. The texts lie in one
// block of bytes reached by offsets, so the compiled-in set holds no pointer
// the loader would have to relocate at start-up. Beside them lies what every
// search would otherwise recompute: the texts with A to Z lowered, the
// stripped and lowered keys with the letters each one uses, and the key
// order. The compiled-in set is generated at build time by PackedEntrySet,
// the same code that packs a set of entries at run time.

#include "store/RecordLine.h"
#include "store/TSL.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace termora {

// Records are numbered through tables A to Z, then other initials, each in
// table order: the order in which every search visits them.
using RecordNumber = std::uint32_t;

struct PackedEntries {
    // Every key, then every expansion, each followed by a zero byte.
    std::string_view text;
    // The text with A to Z lowered, at the same offsets.
    std::string_view lowered;
    // Where each record's key and expansion start in text; a last entry
    // marks the end of the keys and of the expansions.
    std::span<const std::uint32_t> keyStarts;
    std::span<const std::uint32_t> expansionStarts;
    // Every key stripped and lowered (the anagram rule's form), one after
    // another without separator, with where each starts and a last end.
    std::string_view anagramKeys;
    std::span<const std::uint32_t> anagramKeyStarts;
    // The letter set (anagramLetterSet) of each stripped, lowered key.
    std::span<const std::uint64_t> anagramLetters;
    // Record numbers in the result list's key order; keys equal byte for
    // byte keep their record order.
    std::span<const RecordNumber> keyOrder;
    // For each record, the position in keyOrder of the first record with the
    // same key bytes: records sorted stably by it are sorted by their keys.
    std::span<const std::uint32_t> keyRanks;
    // The records of table b are tableStarts[b] up to tableStarts[b + 1].
    std::array<RecordNumber, kLetterBucketCount + 1> tableStarts;

    RecordNumber count() const { return tableStarts.back(); }
    std::string_view key(RecordNumber r) const { return piece(text, keyStarts, r); }
    // Zero-terminated in storage.
    std::string_view expansion(RecordNumber r) const { return piece(text, expansionStarts, r); }
    std::string_view loweredKey(RecordNumber r) const { return piece(lowered, keyStarts, r); }
    std::string_view loweredExpansion(RecordNumber r) const { return piece(lowered, expansionStarts, r); }
    std::string_view anagramKey(RecordNumber r) const {
        return anagramKeys.substr(anagramKeyStarts[r], anagramKeyStarts[r + 1] - anagramKeyStarts[r]);
    }
    TSL record(RecordNumber r) const { return TSL{key(r), expansion(r)}; }
    // The key's stripped length (StripKey): lowering keeps the length.
    int strippedLength(RecordNumber r) const { return static_cast<int>(anagramKeyStarts[r + 1] - anagramKeyStarts[r]); }

private:
    // A text between two starts, without the zero byte that ends it.
    static std::string_view piece(std::string_view bytes, std::span<const std::uint32_t> starts, RecordNumber r) {
        return bytes.substr(starts[r], starts[r + 1] - starts[r] - 1);
    }
};

// The bit a byte stands for in a letter set: a to z, 0 to 9 and the blank
// have bits of their own, every other byte shares one with a few others. A
// key whose set holds a bit that the text's set lacks uses a byte the text
// does not hold, so it cannot be spelt with the text's letters.
constexpr std::uint64_t anagramLetterBit(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z') return std::uint64_t{1} << (byte - 'a');
    if (byte >= '0' && byte <= '9') return std::uint64_t{1} << (26 + byte - '0');
    if (byte == ' ') return std::uint64_t{1} << 36;
    return std::uint64_t{1} << (37 + byte % 27);
}

inline std::uint64_t anagramLetterSet(std::string_view text) {
    std::uint64_t set = 0;
    for (const char c : text) set |= anagramLetterBit(static_cast<unsigned char>(c));
    return set;
}

// The records whose keys equal key ignoring case, or begin with prefix
// ignoring case, as a stretch of the key order (they stand next to each
// other there).
std::span<const RecordNumber> recordsWithKey(const PackedEntries& entries, std::string_view key);
std::span<const RecordNumber> recordsWithKeyPrefix(const PackedEntries& entries, std::string_view prefix);

// True when record r is in the table of key's initial.
bool inTableOf(const PackedEntries& entries, std::string_view key, RecordNumber r);

// The key lookup: the first record, in table order, of the key's table whose
// key equals key ignoring case; nothing when there is none. The same of the
// records found already for the key (recordsWithKey).
std::optional<RecordNumber> firstRecordWithKey(const PackedEntries& entries, std::string_view key);
std::optional<RecordNumber> firstInTableOf(const PackedEntries& entries, std::string_view key,
                                           std::span<const RecordNumber> records);

// A packed set made at run time from tables of records; it owns its bytes
// and is neither copied nor moved, since its view points into them.
class PackedEntrySet {
public:
    explicit PackedEntrySet(const std::array<std::span<const TSL>, kLetterBucketCount>& tables);
    PackedEntrySet(const PackedEntrySet&) = delete;
    PackedEntrySet& operator=(const PackedEntrySet&) = delete;

    const PackedEntries& entries() const { return m_entries; }

private:
    std::string m_text;
    std::string m_lowered;
    std::string m_anagramKeys;
    std::vector<std::uint32_t> m_keyStarts;
    std::vector<std::uint32_t> m_expansionStarts;
    std::vector<std::uint32_t> m_anagramKeyStarts;
    std::vector<std::uint64_t> m_anagramLetters;
    std::vector<RecordNumber> m_keyOrder;
    std::vector<std::uint32_t> m_keyRanks;
    PackedEntries m_entries;
};

}  // namespace termora
