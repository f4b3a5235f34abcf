// The search over packed entries against the rules applied record by record,
// on the fixture and on the whole compiled-in dictionary: the same hits in
// the same order, sorted the same way.

#include "common/FixtureStore.h"
#include "common/GeneratedUserEntries.h"
#include "common/ReferenceSearch.h"
#include "search/ByteScan.h"
#include "search/EntrySearch.h"
#include "search/SearchRun.h"
#include "store/Dictionary.h"
#include "store/KeyOrder.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace termora {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

constexpr SearchMethod kMethods[] = {SearchMethod::Exact, SearchMethod::Related, SearchMethod::ContainingText,
                                     SearchMethod::Anagram};

// Terms that find many, few or no records with each method: single letters
// and digits, words, signs, case suffixes, markers, the apostrophe as typed
// and as stored, accented letters, blanks, a zero byte, anagram texts.
std::vector<std::string> terms() {
    std::vector<std::string> list = {
        "a", "e", "z", "q", "0", "3", "3d", "ram", "RAM", "memory", "network", "sap", "mta", "abl", "abl [2]",
        "[2]", " [1]", "[", "<12>", "<1> ", "> <", "don't", "don\x02t", "\x02", "\xc9tat", "\xe9", "\xe4",
        "e ", " ", "  ", ".", "-", "&", "'", "?", "/", "(", "computerdata", "etaoinshrdlu", "aaaaaaaaaaaaaaaaaaaa",
        "zzzzzz", "tion", "ing o", "qqqqzzzz", "ab", "ba", "27041995", "27041995 ", "x\0y"s, "a\0"s, "\0"s,
    };
    return list;
}

std::vector<std::string> keysOf(const std::vector<const TSL*>& hits) {
    std::vector<std::string> keys;
    for (const TSL* hit : hits) keys.emplace_back(hit->S);
    return keys;
}

void expectSameAsTheRules(const AcronymStore& store, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        for (const SearchMethod method : kMethods) {
            for (const bool same : {true, false}) {
                SCOPED_TRACE("text '" + text + "' method " + std::to_string(static_cast<int>(method)) + " same " +
                             std::to_string(same));
                const auto expected = reference::search(store, text, method, same);
                ASSERT_EQ(runSearch(store, text, method, same), expected);
                ASSERT_EQ(runSearchInKeyOrder(store, text, method, same), reference::sorted(expected));
            }
        }
    }
}

TEST(EntrySearch, FixtureHitsAreThoseOfTheRules) { expectSameAsTheRules(fixture::store(), terms()); }

TEST(EntrySearch, DictionaryHitsAreThoseOfTheRules) {
    const AcronymStore& store = AcronymStore::builtIn();
    std::vector<std::string> texts = terms();
    // Texts cut from the data: a key's end and the next key's start, which
    // must not match across the two, and the keys and expansions themselves.
    const PackedEntries& entries = store.entries();
    for (RecordNumber r = 0; r + 1 < entries.count(); r += 997) {
        texts.emplace_back(entries.key(r));
        texts.push_back(std::string(entries.key(r).substr(entries.key(r).size() - 1)) + std::string(entries.key(r + 1).substr(0, 1)));
        texts.emplace_back(entries.expansion(r).substr(0, 12));
        texts.emplace_back(entries.expansion(r).substr(entries.expansion(r).size() / 2));
    }
    expectSameAsTheRules(store, texts);
}

// Records with equal keys, some of them found by the method as well as by
// the full listing: the order a stable sort gives, records arriving twice.
TEST(EntrySearch, FullListingAfterTheMethodsHitsSortsLikeAStableSort) {
    const TSL a[] = {{"BLUE"sv, "one"sv}, {"blue"sv, "27041995 two"sv}, {"BLUE"sv, "27041995 three"sv},
                     {"AB"sv, "four"sv}};
    const TSL other[] = {{"2K"sv, "27041995"sv}};
    AcronymStore::Tables tables{};
    tables[0] = a;
    tables[26] = other;
    const AcronymStore store(tables);
    for (const SearchMethod method : kMethods) {
        const auto expected = reference::search(store, kFullListingCode, method, false);
        EXPECT_EQ(runSearch(store, kFullListingCode, method, false), expected);
        EXPECT_EQ(keysOf(runSearchInKeyOrder(store, kFullListingCode, method, false)), keysOf(reference::sorted(expected)));
        EXPECT_EQ(runSearchInKeyOrder(store, kFullListingCode, method, false), reference::sorted(expected));
    }
}

// Any sequence of records, with repeats, sorts as the keys do under a stable
// sort: few records, many in record order, and many in any order.
TEST(EntrySearch, SortByKeyIsAStableSortOfTheKeys) {
    const AcronymStore& store = AcronymStore::builtIn();
    const PackedEntries& entries = store.entries();
    std::mt19937 random(15);
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{50}, std::size_t{5000}, std::size_t{20000}}) {
        for (const bool increasing : {true, false}) {
            std::vector<RecordNumber> numbers;
            std::uniform_int_distribution<RecordNumber> pick(0, entries.count() - 1);
            for (std::size_t i = 0; i < size; ++i) numbers.push_back(pick(random));
            if (increasing) {
                std::sort(numbers.begin(), numbers.end());
                numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
            }
            std::vector<const TSL*> records;
            for (const RecordNumber n : numbers) records.push_back(&store.record(n));
            sortByKey(entries, numbers);
            std::vector<const TSL*> sorted;
            for (const RecordNumber n : numbers) sorted.push_back(&store.record(n));
            EXPECT_EQ(sorted, reference::sorted(records)) << size << (increasing ? " increasing" : " any order");
        }
    }
}

// The dictionary as if the user's entries stood in its tables: a replacing
// entry at the place of the record it replaces, the user's own keys after
// the built-in ones of their table. The texts are kept in texts.
AcronymStore storeAsOne(const Dictionary& dictionary, std::vector<std::vector<TSL>>& texts) {
    const OwnEntries& own = *dictionary.own();
    std::map<RecordNumber, RecordNumber> replacing;
    for (RecordNumber o = 0; o < own.entries().count(); ++o) {
        if (const auto replaced = own.replacedRecord(o)) replacing[*replaced] = o;
    }
    texts.assign(kLetterBucketCount, {});
    AcronymStore::Tables tables{};
    const PackedEntries& builtIn = dictionary.builtIn().entries();
    for (std::size_t b = 0; b < tables.size(); ++b) {
        for (RecordNumber r = builtIn.tableStarts[b]; r < builtIn.tableStarts[b + 1]; ++r) {
            const auto found = replacing.find(r);
            texts[b].push_back(found == replacing.end() ? builtIn.record(r) : own.entries().record(found->second));
        }
        for (RecordNumber o = own.entries().tableStarts[b]; o < own.entries().tableStarts[b + 1]; ++o) {
            if (!own.replacedRecord(o)) texts[b].push_back(own.entries().record(o));
        }
        tables[b] = texts[b];
    }
    return AcronymStore(tables);
}

std::vector<std::pair<std::string, std::string>> entriesOf(const std::vector<const TSL*>& hits) {
    std::vector<std::pair<std::string, std::string>> shown;
    for (const TSL* hit : hits) shown.emplace_back(hit->S, hit->L);
    return shown;
}

void expectSameAsOneStore(const Dictionary& dictionary, const std::vector<std::string>& texts) {
    std::vector<std::vector<TSL>> storage;
    const AcronymStore asOne = storeAsOne(dictionary, storage);
    for (const std::string& text : texts) {
        for (const SearchMethod method : kMethods) {
            for (const bool same : {true, false}) {
                SCOPED_TRACE("text '" + text + "' method " + std::to_string(static_cast<int>(method)) + " same " +
                             std::to_string(same));
                ASSERT_EQ(entriesOf(runSearchInKeyOrder(dictionary, text, method, same)),
                          entriesOf(reference::sorted(reference::search(asOne, text, method, same))));
            }
        }
    }
}

TEST(DictionarySearch, TheUsersEntriesAreFoundAsIfTheyStoodInTheTables) {
    const std::vector<UserEntry> user = {
        {"ram", {"Rapid Access Mine"}},       {"ZZQ", {"Zed Zed Queue"}},    {"blue", {"Big Lake"}},
        {"Atm", {"All The Mornings"}},        {"ATM [2]", {"Any Teller"}},   {"XII", {"thirteen"}},
        {"MAT [1]", {"Mine And Theirs"}},     {"3DX", {"3D eXtra"}},         {"asap", {"at sea, a prayer"}},
        {"I'M", {"Its Me"}},              {"sapp", {"<1> one <2> two"}}, {"ramz", {"Random Zoo"}},
    };
    const Dictionary dictionary(fixture::store(), user);
    std::vector<std::string> texts = terms();
    texts.insert(texts.end(), {"zed", "zzq", "mine", "<13>", "it's", "its", "3dx", "blue", "sapp", "tma"});
    expectSameAsOneStore(dictionary, texts);
}

TEST(DictionarySearch, GeneratedEntriesBesideTheWholeDictionary) {
    UserEntries user;
    addUserFile(user, "generated", bench::generatedUserEntries(3000));
    const Dictionary dictionary(AcronymStore::builtIn(), user.entries);
    ASSERT_GT(dictionary.addedKeys(), 2000);
    expectSameAsOneStore(dictionary, {"a", "ram", "e", "qui", "r\xe9", "<2>", "27041995", "computerdata", "k1"});
}

// Without the user's entries, the same records in the same order as the
// built-in search alone.
TEST(DictionarySearch, WithoutTheUsersEntriesTheBuiltInSearchAlone) {
    const Dictionary dictionary(fixture::store());
    for (const std::string& text : terms()) {
        for (const SearchMethod method : kMethods) {
            EXPECT_EQ(runSearchInKeyOrder(dictionary, text, method, true),
                      runSearchInKeyOrder(fixture::store(), text, method, true));
        }
    }
}

// The finder against std::string_view::find: texts of a few letters, so that
// partial matches abound, of every length around the sixteen-byte blocks.
TEST(ByteFinder, FindsWhatFindFinds) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> letter(0, 2);
    const auto text = [&](std::size_t length) {
        std::string s;
        for (std::size_t i = 0; i < length; ++i) s += "ab\0"[letter(random)];
        return s;
    };
    for (std::size_t length = 0; length < 70; ++length) {
        const std::string haystack = text(length);
        for (std::size_t k = 0; k < 6; ++k) {
            const std::string pattern = k < 5 ? text(k) : haystack.substr(length / 3, 20);
            const ByteFinder finder(pattern);
            for (std::size_t from = 0; from <= length + 1; ++from) {
                const std::size_t expected = from > length ? std::string_view::npos : std::string_view(haystack).find(pattern, from);
                ASSERT_EQ(finder.find(haystack, from), expected) << "'" << haystack << "' '" << pattern << "' " << from;
            }
        }
    }
}

}  // namespace
}  // namespace termora
