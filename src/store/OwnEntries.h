#pragma once
// The user's entries as the search sees them beside the built-in ones, in a
// set of their own packed like the built-in set:
// - a key that the built-in dictionary holds (the key lookup, ignoring case)
//   joins that entry: the built-in meanings come first, the user's follow,
//   numbered on; the whole entry is in this set, and the built-in record it
//   replaces is left out of every search. A key without its case suffix
//   joins the entry whose key it is with the suffix (spelt the same, else
//   the first of them): "atm" joins "atm [1]", "ATM" joins "ATM [2]";
// - any other key is an entry of the user's own; lines whose keys are equal
//   ignoring case are one entry, spelt as the first of them;
// - meanings keep the order of the lines; one equal, ignoring case, to a
//   meaning the entry has already is left out.

#include "store/PackedEntries.h"
#include "store/UserEntries.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace termora {

// A hit of a search over both sets: a record of the built-in set or of the
// user's.
struct DictionaryHit {
    RecordNumber record = 0;
    bool own = false;
    bool operator==(const DictionaryHit&) const = default;
};

// The built-in record a user's key joins, or nothing for a key of the user's own.
std::optional<RecordNumber> builtInRecordFor(const PackedEntries& builtIn, std::string_view key);

class OwnEntries {
public:
    OwnEntries(const PackedEntries& builtIn, std::span<const UserEntry> entries);
    OwnEntries(const OwnEntries&) = delete;
    OwnEntries& operator=(const OwnEntries&) = delete;

    const PackedEntries& entries() const { return m_set->entries(); }

    // True when an entry of this set replaces the built-in record.
    bool replaces(RecordNumber builtInRecord) const { return m_replaced[builtInRecord]; }
    // The built-in record an entry replaces, or nothing for a key of the user's own.
    std::optional<RecordNumber> replacedRecord(RecordNumber own) const;
    // Where the user's meanings begin in an entry's expansion (a byte
    // position, at their first marker); 0 for a key of the user's own.
    std::size_t ownMeaningsFrom(RecordNumber own) const { return m_ownFrom[own]; }

    // What the user's entries add: keys of their own, and meanings.
    int addedKeys() const { return m_addedKeys; }
    int addedMeanings() const { return m_addedMeanings; }

private:
    std::unique_ptr<const PackedEntrySet> m_set;
    std::vector<bool> m_replaced;
    std::vector<RecordNumber> m_replacedBy;  // per own record; kNone for keys of the user's own
    std::vector<std::size_t> m_ownFrom;
    int m_addedKeys = 0;
    int m_addedMeanings = 0;
};

}  // namespace termora
