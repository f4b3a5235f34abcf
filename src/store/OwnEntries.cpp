#include "store/OwnEntries.h"

#include "store/Galloping.h"
#include "store/KeyOrder.h"
#include "store/Meanings.h"
#include "store/RecordLine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <string>

namespace termora {
namespace {

constexpr RecordNumber kNone = UINT32_MAX;
constexpr std::string_view kCaseSuffixes[] = {" [1]", " [2]", " [3]"};

// The entries the lines make, in the order of their first lines, and the
// entry of each line.
struct Merged {
    struct Entry {
        std::string_view key;
        RecordNumber replaced = kNone;
    };
    std::vector<Entry> entries;
    std::vector<std::uint32_t> entryOfLine;
};

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

// Leaves out the user's meanings that a built-in meaning or an earlier one of
// the user's repeats, ignoring case.
void dropRepeats(const std::vector<std::string_view>& builtIn, std::vector<std::string_view>& user) {
    if (builtIn.size() + user.size() < 2) return;
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
    user.clear();
    for (std::size_t i = builtIn.size(); i < all.size(); ++i) {
        if (!repeated[i]) user.push_back(all[i]);
    }
}

// Where the key stands in the built-in key order (the first record not
// before it), found from a place not after it on: the search gallops, as
// keys asked for in order stand close together.
std::size_t keyOrderPosition(const PackedEntries& builtIn, std::string_view key, std::size_t from) {
    const auto order = builtIn.keyOrder;
    return gallopingPartitionPoint(
        from, order.size(), [&](std::size_t i) { return compareKeysIgnoringCase(builtIn.key(order[i]), key) < 0; });
}

// The built-in record a key joins, from where the key stands in the key order.
std::optional<RecordNumber> joinedAt(const PackedEntries& builtIn, std::string_view key, std::size_t position) {
    const auto order = builtIn.keyOrder;
    std::size_t end = position;
    while (end < order.size() && compareKeysIgnoringCase(builtIn.key(order[end]), key) == 0) ++end;
    if (const auto record = firstInTableOf(builtIn, key, order.subspan(position, end - position))) return record;
    const bool hasSuffix = std::any_of(std::begin(kCaseSuffixes), std::end(kCaseSuffixes),
                                       [&](std::string_view suffix) { return key.ends_with(suffix); });
    if (hasSuffix || end == order.size()) return std::nullopt;
    // In the key order, keys with a suffix come after the key and the keys
    // that go on with a blank and a sign: none when the next key does not go
    // on with a blank.
    const std::string_view next = builtIn.key(order[end]);
    if (next.size() <= key.size() || next[key.size()] != ' ') return std::nullopt;
    return recordWithSuffix(builtIn, key);
}

Merged mergeLines(const PackedEntries& builtIn, std::span<const UserEntry> lines) {
    // The lines in the order of their keys ignoring case, lines with equal
    // keys in the order of the lines.
    struct Sorted {
        std::uint64_t prefix;
        std::uint32_t line;
    };
    std::vector<Sorted> sorted(lines.size());
    for (std::uint32_t l = 0; l < lines.size(); ++l) sorted[l] = {keyOrderPrefix(lines[l].key), l};
    const auto compare = [&](const Sorted& a, const Sorted& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
        return compareKeysIgnoringCase(lines[a.line].key, lines[b.line].key);
    };
    std::sort(sorted.begin(), sorted.end(), [&](const Sorted& a, const Sorted& b) {
        const int c = compare(a, b);
        return c != 0 ? c < 0 : a.line < b.line;
    });

    // Each run of equal keys and the record it joins, walking both key
    // orders together; the run of each line.
    std::vector<RecordNumber> joinedByRun;
    std::vector<std::uint32_t> runOfLine(lines.size());
    std::size_t position = 0;
    for (std::size_t begin = 0, end = 0; begin < sorted.size(); begin = end) {
        for (end = begin + 1; end < sorted.size() && compare(sorted[begin], sorted[end]) == 0;) ++end;
        const std::string_view key = lines[sorted[begin].line].key;
        position = keyOrderPosition(builtIn, key, position);
        for (std::size_t i = begin; i < end; ++i)
            runOfLine[sorted[i].line] = static_cast<std::uint32_t>(joinedByRun.size());
        joinedByRun.push_back(joinedAt(builtIn, key, position).value_or(kNone));
    }

    // Entries in the order of their first lines, spelt as those; runs that
    // join the same record ("atm" and "atm [1]") are one entry.
    Merged merged;
    merged.entryOfLine.resize(lines.size());
    std::vector<std::uint32_t> entryOfRun(joinedByRun.size(), UINT32_MAX);
    std::vector<std::uint32_t> entryOfRecord(builtIn.count(), UINT32_MAX);
    for (std::uint32_t line = 0; line < lines.size(); ++line) {
        const std::uint32_t run = runOfLine[line];
        const RecordNumber replaced = joinedByRun[run];
        std::uint32_t& entry = replaced != kNone ? entryOfRecord[replaced] : entryOfRun[run];
        if (entry == UINT32_MAX) {
            entry = static_cast<std::uint32_t>(merged.entries.size());
            merged.entries.push_back({replaced != kNone ? builtIn.key(replaced) : lines[line].key, replaced});
        }
        merged.entryOfLine[line] = entry;
    }
    return merged;
}

// The lines of each entry in the order of the lines: those of entry e are
// lines[starts[e]] up to lines[starts[e + 1]].
void linesByEntry(const Merged& merged, std::vector<std::uint32_t>& starts, std::vector<std::uint32_t>& lines) {
    starts.assign(merged.entries.size() + 1, 0);
    for (const std::uint32_t entry : merged.entryOfLine) ++starts[entry + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    lines.resize(merged.entryOfLine.size());
    std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
    for (std::uint32_t line = 0; line < merged.entryOfLine.size(); ++line)
        lines[next[merged.entryOfLine[line]]++] = line;
}

// Appends a numbered meaning to the text of an entry that begins at start.
void appendNumbered(std::string& text, std::size_t start, int number, std::string_view meaning) {
    if (text.size() > start) text += ' ';
    text.append("<").append(std::to_string(number)).append("> ").append(meaning);
}

}  // namespace

std::optional<RecordNumber> builtInRecordFor(const PackedEntries& builtIn, std::string_view key) {
    return joinedAt(builtIn, key, keyOrderPosition(builtIn, key, 0));
}

OwnEntries::OwnEntries(const PackedEntries& builtIn, std::span<const UserEntry> entries) : m_replaced(builtIn.count()) {
    const Merged merged = mergeLines(builtIn, entries);
    std::vector<std::uint32_t> lineStarts;
    std::vector<std::uint32_t> lines;
    linesByEntry(merged, lineStarts, lines);

    // Every entry's expansion, one after another; an entry the built-in one
    // holds all of is left out (empty), and stays the built-in one.
    std::string texts;
    std::size_t lineBytes = 0;
    for (const UserEntry& line : entries) lineBytes += line.expansion.size() + 8;
    texts.reserve(lineBytes);
    std::vector<std::size_t> textStarts(merged.entries.size() + 1);
    std::vector<std::size_t> ownFrom(merged.entries.size());
    std::vector<std::string_view> meanings;
    for (std::size_t e = 0; e < merged.entries.size(); ++e) {
        textStarts[e] = texts.size();
        const RecordNumber replaced = merged.entries[e].replaced;
        meanings.clear();
        for (std::uint32_t l = lineStarts[e]; l < lineStarts[e + 1]; ++l)
            appendMeanings(entries[lines[l]].expansion, meanings);
        const std::string_view builtInText = replaced != kNone ? builtIn.expansion(replaced) : "";
        const std::vector<std::string_view> builtInMeanings =
            replaced != kNone ? splitMeanings(builtInText) : std::vector<std::string_view>();
        dropRepeats(builtInMeanings, meanings);
        if (meanings.empty()) continue;
        int number = 0;
        if (replaced != kNone) {
            if (!opensWithMarker(builtInText)) texts += "<1> ";
            texts += builtInText;
            number = static_cast<int>(builtInMeanings.size());
            ownFrom[e] = texts.size() - textStarts[e] + 1;
        }
        if (replaced == kNone && meanings.size() == 1) {
            texts += meanings.front();  // one meaning, as the built-in ones, without a marker
        } else {
            for (const std::string_view meaning : meanings) appendNumbered(texts, textStarts[e], ++number, meaning);
        }
        m_addedMeanings += static_cast<int>(meanings.size());
        if (replaced == kNone) ++m_addedKeys;
    }
    textStarts.back() = texts.size();

    std::array<std::vector<TSL>, kLetterBucketCount> tables;
    std::array<std::vector<std::size_t>, kLetterBucketCount> tableEntries;
    for (std::size_t e = 0; e < merged.entries.size(); ++e) {
        if (textStarts[e] == textStarts[e + 1]) continue;
        const auto table = static_cast<std::size_t>(bucketOfKey(merged.entries[e].key));
        tables[table].push_back(TSL{merged.entries[e].key,
                                    std::string_view(texts).substr(textStarts[e], textStarts[e + 1] - textStarts[e])});
        tableEntries[table].push_back(e);
    }
    std::array<std::span<const TSL>, kLetterBucketCount> views;
    for (std::size_t b = 0; b < tables.size(); ++b) views[b] = tables[b];
    m_set = std::make_unique<const PackedEntrySet>(views);
    // Records are numbered through the tables in order, as they were packed.
    for (const auto& table : tableEntries) {
        for (const std::size_t e : table) {
            m_replacedBy.push_back(merged.entries[e].replaced);
            m_ownFrom.push_back(ownFrom[e]);
            if (merged.entries[e].replaced != kNone) m_replaced[merged.entries[e].replaced] = true;
        }
    }
}

std::optional<RecordNumber> OwnEntries::replacedRecord(RecordNumber own) const {
    const RecordNumber replaced = m_replacedBy[own];
    return replaced == kNone ? std::nullopt : std::optional<RecordNumber>(replaced);
}

}  // namespace termora
