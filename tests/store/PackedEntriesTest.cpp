// Entries packed for searching: what the generator compiles in is what the
// same code packs at run time, and each column holds what the rules would
// compute from the records.

#include "common/FixtureStore.h"
#include "store/AcronymTables.h"
#include "store/KeyOrder.h"
#include "store/KeyRules.h"
#include "store/ShownLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace termora {
namespace {

template <typename T>
std::vector<T> copy(std::span<const T> values) {
    return std::vector<T>(values.begin(), values.end());
}

TEST(PackedEntries, CompiledInAsPackedAtRunTime) {
    const AcronymStore& store = AcronymStore::builtIn();
    AcronymStore::Tables tables{};
    for (int b = 0; b < kLetterBucketCount; ++b) tables[static_cast<std::size_t>(b)] = store.table(b);
    const PackedEntrySet packed(tables);
    const PackedEntries& built = data::kAcronymEntries;
    const PackedEntries& made = packed.entries();
    EXPECT_EQ(built.text, made.text);
    EXPECT_EQ(built.lowered, made.lowered);
    EXPECT_EQ(copy(built.keyStarts), copy(made.keyStarts));
    EXPECT_EQ(copy(built.expansionStarts), copy(made.expansionStarts));
    EXPECT_EQ(built.anagramKeys, made.anagramKeys);
    EXPECT_EQ(copy(built.anagramKeyStarts), copy(made.anagramKeyStarts));
    EXPECT_EQ(copy(built.anagramLetters), copy(made.anagramLetters));
    EXPECT_EQ(copy(built.keyOrder), copy(made.keyOrder));
    EXPECT_EQ(copy(built.keyRanks), copy(made.keyRanks));
    EXPECT_EQ(built.tableStarts, made.tableStarts);

    const ShownLineSet shown(made);
    EXPECT_EQ(data::kShownLines.lines, shown.shown().lines);
    EXPECT_EQ(copy(data::kShownLines.lineStarts), copy(shown.shown().lineStarts));
    EXPECT_EQ(data::kShownLines.keys, shown.shown().keys);
    EXPECT_EQ(copy(data::kShownLines.keyStarts), copy(shown.shown().keyStarts));
    EXPECT_EQ(copy(data::kShownLines.positions), copy(shown.shown().positions));
}

// Every record of the fixture, column by column.
TEST(PackedEntries, ColumnsHoldWhatTheRulesComputeFromEachRecord) {
    const AcronymStore& store = fixture::store();
    const PackedEntries& entries = store.entries();
    ASSERT_EQ(static_cast<int>(entries.count()), store.recordCount());
    for (int b = 0; b < kLetterBucketCount; ++b) {
        ASSERT_EQ(entries.tableStarts[static_cast<std::size_t>(b) + 1] - entries.tableStarts[static_cast<std::size_t>(b)],
                  store.table(b).size());
    }
    for (RecordNumber r = 0; r < entries.count(); ++r) {
        const TSL& record = store.record(r);
        SCOPED_TRACE(std::string(record.S));
        EXPECT_EQ(entries.key(r), record.S);
        EXPECT_EQ(entries.expansion(r), record.L);
        EXPECT_EQ(entries.expansion(r).data()[entries.expansion(r).size()], '\0');
        EXPECT_EQ(entries.loweredKey(r), lowerAsciiLetters(record.S));
        EXPECT_EQ(entries.loweredExpansion(r), lowerAsciiLetters(record.L));
        EXPECT_EQ(entries.anagramKey(r), lowerAsciiLetters(StripKey(record.S)));
        EXPECT_EQ(entries.strippedLength(r), static_cast<int>(StripKey(record.S).size()));
        EXPECT_EQ(entries.anagramLetters[r], anagramLetterSet(entries.anagramKey(r)));
    }
    EXPECT_EQ(entries.anagramKey(3), "as");  // "a.s. [1]"

    // The key order, its ranks equal exactly for keys equal byte for byte.
    std::vector<RecordNumber> order(entries.keyOrder.begin(), entries.keyOrder.end());
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end(),
                               [&](RecordNumber a, RecordNumber b) { return keyLess(entries.key(a), entries.key(b)); }));
    for (RecordNumber a = 0; a < entries.count(); ++a) {
        for (RecordNumber b = 0; b < entries.count(); ++b) {
            EXPECT_EQ(entries.keyRanks[a] == entries.keyRanks[b], entries.key(a) == entries.key(b));
            EXPECT_EQ(entries.keyRanks[a] < entries.keyRanks[b], keyLess(entries.key(a), entries.key(b)));
        }
    }
}

TEST(PackedEntries, LetterSetsTellKeysThatCannotBeSpeltFromATextsLetters) {
    const struct {
        const char* text;
        const char* key;
        bool mayFit;
    } cases[] = {
        {"mta", "amt", true}, {"mta", "ammt", true},  // counts are left to the full test
        {"mta", "mtx", false}, {"ab ", "a b", true}, {"ab", "a b", false}, {"3d", "3d", true}, {"3d", "2d", false},
        {"\xe9t\xe9", "\xe9t", true}, {"et", "\xe9t", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ((anagramLetterSet(c.key) & ~anagramLetterSet(c.text)) == 0, c.mayFit) << c.text << " " << c.key;
    }
}

TEST(ShownLines, EachRecordAsPrintedInKeyOrder) {
    const PackedEntries& entries = fixture::store().entries();
    const ShownLineSet set(entries);
    const ShownLines& shown = set.shown();
    for (std::size_t position = 0; position < entries.count(); ++position) {
        const RecordNumber r = entries.keyOrder[position];
        EXPECT_EQ(shown.positions[r], position);
        const std::string key = shownText(entries.key(r));
        EXPECT_EQ(shown.lines.substr(shown.lineStarts[position], shown.lineStarts[position + 1] - shown.lineStarts[position]),
                  key + "\t" + shownText(entries.expansion(r)) + "\n");
        EXPECT_EQ(shown.keys.substr(shown.keyStarts[position], shown.keyStarts[position + 1] - shown.keyStarts[position]),
                  key + "\n");
    }
    EXPECT_EQ(shownText("Don\x02t"), "Don't");
    EXPECT_EQ(shownText("B\xe4uerliche \x80 \x85"), "B\xc3\xa4uerliche \xe2\x82\xac \xe2\x80\xa6");
}

}  // namespace
}  // namespace termora
