#include "store/OwnEntries.h"

#include "platform/Windows1252.h"
#include "store/KeyOrder.h"
#include "store/Meanings.h"
#include "store/RecordLine.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>
#include <unordered_map>

namespace termora {
namespace {

constexpr RecordNumber kNone = UINT32_MAX;
constexpr std::string_view kCaseSuffixes[] = {" [1]", " [2]", " [3]"};

// The entry a user's key makes, before it is packed.
struct Merged {
    std::string_view key;
    RecordNumber replaced = kNone;
    std::vector<std::string_view> meanings;  // the user's, in the order of the lines
};

bool inTableOf(const PackedEntries& entries, std::string_view key, RecordNumber r) {
    const auto table = static_cast<std::size_t>(bucketOfKey(key));
    return r >= entries.tableStarts[table] && r < entries.tableStarts[table + 1];
}

// A key without its case suffix: the entries whose keys are it with one.
std::optional<RecordNumber> recordWithSuffix(const PackedEntries& builtIn, std::string_view key) {
    const std::string prefix = std::string(key) + " [";
    std::optional<RecordNumber> first;
    std::optional<RecordNumber> spelt;
    for (const RecordNumber r : recordsWithKeyPrefix(builtIn, prefix)) {
        const std::string_view candidate = builtIn.key(r);
        const std::string_view suffix = candidate.substr(key.size());
        if (std::find(std::begin(kCaseSuffixes), std::end(kCaseSuffixes), suffix) == std::end(kCaseSuffixes) ||
            !inTableOf(builtIn, key, r)) {
            continue;
        }
        if (!first || r < *first) first = r;
        if (candidate.starts_with(key) && (!spelt || r < *spelt)) spelt = r;
    }
    return spelt ? spelt : first;
}

std::string foldedKey(std::string_view key) {
    std::string folded(key);
    for (char& c : folded) c = static_cast<char>(cp1252::foldCase(static_cast<unsigned char>(c)));
    return folded;
}

// The user's meanings that neither a built-in meaning nor an earlier one of
// the user's repeats, ignoring case.
std::vector<std::string_view> newMeanings(const std::vector<std::string_view>& builtIn,
                                          const std::vector<std::string_view>& user) {
    if (builtIn.size() + user.size() < 2) return user;
    std::vector<std::string_view> all = builtIn;
    all.insert(all.end(), user.begin(), user.end());
    std::vector<std::size_t> order(all.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return compareKeysIgnoringCase(all[a], all[b]) < 0; });
    // Of each run of equal meanings the first stays: a built-in one when
    // there is one, since those come first.
    std::vector<bool> repeated(all.size());
    for (std::size_t i = 1; i < order.size(); ++i) {
        repeated[order[i]] = compareKeysIgnoringCase(all[order[i - 1]], all[order[i]]) == 0;
    }
    std::vector<std::string_view> kept;
    for (std::size_t i = builtIn.size(); i < all.size(); ++i) {
        if (!repeated[i]) kept.push_back(all[i]);
    }
    return kept;
}

// The entries the lines make, in the order of their first lines.
std::vector<Merged> mergeLines(const PackedEntries& builtIn, std::span<const UserEntry> entries) {
    std::vector<Merged> merged;
    std::unordered_map<RecordNumber, std::size_t> joined;
    std::unordered_map<std::string, std::size_t> own;
    for (const UserEntry& entry : entries) {
        const std::optional<RecordNumber> record = builtInRecordFor(builtIn, entry.key);
        const std::size_t next = merged.size();
        const std::size_t place = record ? joined.try_emplace(*record, next).first->second
                                         : own.try_emplace(foldedKey(entry.key), next).first->second;
        if (place == next) merged.push_back(record ? Merged{builtIn.key(*record), *record, {}} : Merged{entry.key, kNone, {}});
        auto& meanings = merged[place].meanings;
        meanings.insert(meanings.end(), entry.meanings.begin(), entry.meanings.end());
    }
    return merged;
}

void appendNumbered(std::string& text, int number, std::string_view meaning) {
    if (!text.empty()) text += ' ';
    text.append("<").append(std::to_string(number)).append("> ").append(meaning);
}

}  // namespace

std::optional<RecordNumber> builtInRecordFor(const PackedEntries& builtIn, std::string_view key) {
    if (const auto record = firstRecordWithKey(builtIn, key)) return record;
    const bool hasSuffix = std::any_of(std::begin(kCaseSuffixes), std::end(kCaseSuffixes),
                                       [&](std::string_view suffix) { return key.ends_with(suffix); });
    return hasSuffix ? std::nullopt : recordWithSuffix(builtIn, key);
}

OwnEntries::OwnEntries(const PackedEntries& builtIn, std::span<const UserEntry> entries)
    : m_replaced(builtIn.count()) {
    std::vector<Merged> merged = mergeLines(builtIn, entries);
    // The texts are made before any record views them.
    std::vector<std::string> expansions(merged.size());
    std::vector<std::size_t> ownFrom(merged.size());
    for (std::size_t i = 0; i < merged.size(); ++i) {
        Merged& entry = merged[i];
        const std::string_view builtInText = entry.replaced != kNone ? builtIn.expansion(entry.replaced) : "";
        const std::vector<std::string_view> builtInMeanings =
            entry.replaced != kNone ? splitMeanings(builtInText) : std::vector<std::string_view>();
        entry.meanings = newMeanings(builtInMeanings, entry.meanings);
        std::string& text = expansions[i];
        int number = 0;
        if (entry.replaced != kNone) {
            text = opensWithMarker(builtInText) ? std::string(builtInText) : "<1> " + std::string(builtInText);
            number = static_cast<int>(builtInMeanings.size());
            ownFrom[i] = text.size() + 1;
        }
        if (entry.replaced == kNone && entry.meanings.size() == 1) {
            text = entry.meanings.front();  // one meaning, as the built-in ones, without a marker
        } else {
            for (const std::string_view meaning : entry.meanings) appendNumbered(text, ++number, meaning);
        }
        m_addedMeanings += static_cast<int>(entry.meanings.size());
        if (entry.replaced == kNone) ++m_addedKeys;
    }

    std::array<std::vector<TSL>, kLetterBucketCount> tables;
    std::array<std::vector<std::size_t>, kLetterBucketCount> tableEntries;
    for (std::size_t i = 0; i < merged.size(); ++i) {
        // An entry the built-in one holds all of stays the built-in one.
        if (merged[i].meanings.empty()) continue;
        const auto table = static_cast<std::size_t>(bucketOfKey(merged[i].key));
        tables[table].push_back(TSL{merged[i].key, expansions[i]});
        tableEntries[table].push_back(i);
    }
    std::array<std::span<const TSL>, kLetterBucketCount> views;
    for (std::size_t b = 0; b < tables.size(); ++b) views[b] = tables[b];
    m_set = std::make_unique<const PackedEntrySet>(views);
    // Records are numbered through the tables in order, as they were packed.
    for (const auto& table : tableEntries) {
        for (const std::size_t i : table) {
            m_replacedBy.push_back(merged[i].replaced);
            m_ownFrom.push_back(ownFrom[i]);
            if (merged[i].replaced != kNone) m_replaced[merged[i].replaced] = true;
        }
    }
}

std::optional<RecordNumber> OwnEntries::replacedRecord(RecordNumber own) const {
    const RecordNumber replaced = m_replacedBy[own];
    return replaced == kNone ? std::nullopt : std::optional<RecordNumber>(replaced);
}

}  // namespace termora
