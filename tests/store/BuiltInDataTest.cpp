// Integrity of the compiled-in dictionary against its data file.

#include "search/LengthBuckets.h"
#include "store/AcronymStore.h"
#include "store/generated/AcronymCounts.h"
#include "store/KeyRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace termora {
namespace {

struct FileCounts {
    int keys = 0;
    int meanings = 0;
    std::array<int, kLetterBucketCount> perTable{};
};

FileCounts countDataFile() {
    std::ifstream in(TERMORA_ACRONYM_DATA, std::ios::binary);
    EXPECT_TRUE(in) << TERMORA_ACRONYM_DATA;
    FileCounts counts;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto record = parseRecordLine(line);
        EXPECT_TRUE(record) << line;
        if (!record) continue;
        ++counts.keys;
        counts.meanings += countMeanings(record->expansion);
        ++counts.perTable[static_cast<std::size_t>(bucketOfKey(record->key))];
    }
    return counts;
}

TEST(BuiltInData, EveryKeyInItsTableWithAValidLength) {
    const auto& store = AcronymStore::builtIn();
    for (int b = 0; b < kLetterBucketCount; ++b) {
        for (const TSL& record : store.table(b)) {
            EXPECT_EQ(bucketOfKey(record.S), b) << record.S;
            const int length = strippedLength(record.S);
            EXPECT_GE(length, 1) << record.S;
            EXPECT_LE(length, 19) << record.S;
            EXPECT_EQ(record.L.data()[record.L.size()], '\0') << record.S;
            EXPECT_EQ(record.L.find('\''), std::string_view::npos) << record.S;
        }
    }
}

TEST(BuiltInData, KeyIndexPositionsAreRecordPositions) {
    const auto& store = AcronymStore::builtIn();
    for (int b = 0; b < kLetterBucketCount; ++b) {
        const auto& index = store.keyIndex(b);
        ASSERT_EQ(index.size(), store.table(b).size());
        for (std::size_t i = 0; i < index.size(); ++i) ASSERT_EQ(index[i].data(), store.table(b)[i].S.data());
    }
}

TEST(BuiltInData, CountsAgreeWithTheDataFile) {
    const FileCounts file = countDataFile();
    const auto& store = AcronymStore::builtIn();
    EXPECT_EQ(store.recordCount(), file.keys);
    EXPECT_EQ(data::kAcronymKeyCount, file.keys);
    EXPECT_EQ(data::kAcronymMeaningCount, file.meanings);
    for (int b = 0; b < kLetterBucketCount; ++b) {
        EXPECT_EQ(static_cast<int>(store.table(b).size()), file.perTable[static_cast<std::size_t>(b)]) << b;
        EXPECT_EQ(data::kAcronymTableCounts[static_cast<std::size_t>(b)], file.perTable[static_cast<std::size_t>(b)]);
    }
    EXPECT_GE(file.keys, 13000);
    EXPECT_GE(file.meanings, 20000);
}

// The meanings of an expansion: "<1> a <2> b" gives a and b.
std::vector<std::string_view> meaningsOf(std::string_view expansion) {
    if (!expansion.starts_with("<1> ")) return {expansion};
    std::vector<std::string_view> meanings;
    std::string_view rest = expansion.substr(4);
    for (int next = 2;; ++next) {
        const std::string marker = " <" + std::to_string(next) + "> ";
        const std::size_t at = rest.find(marker);
        meanings.push_back(rest.substr(0, at));
        if (at == std::string_view::npos) return meanings;
        rest = rest.substr(at + marker.size());
    }
}

std::string_view withoutCaseSuffix(std::string_view key) {
    for (const std::string_view suffix : {" [1]", " [2]", " [3]"})
        if (key.ends_with(suffix)) return key.substr(0, key.size() - suffix.size());
    return key;
}

// A meaning without its trailing bracketed tags, in lower case:
// "Application Binary Interface (POE)" -> "application binary interface".
std::string coreOf(std::string_view meaning) {
    for (;;) {
        const char close = meaning.empty() ? '\0' : meaning.back();
        const char open = close == ')' ? '(' : close == ']' ? '[' : '\0';
        const std::size_t at = open ? meaning.rfind(open) : std::string_view::npos;
        if (at == std::string_view::npos || at == 0 || meaning[at - 1] != ' ') break;
        meaning = meaning.substr(0, at - 1);
    }
    return lowerAsciiLetters(meaning);
}

TEST(BuiltInData, EntriesOnceLostOrGluedToAnotherAreWhole) {
    const auto& store = AcronymStore::builtIn();
    const std::map<std::string_view, std::string_view> cases = {
        {"C&C", "Command & Control [server]"},
        {"BP;DR", "Behind Paywall; Didn\x02t Read (slang, Usenet, IRC)"},
        {"TL;DR", "Too Long; Didn\x02t Read (slang, Usenet, IRC)"},
        {"100VG", "100 Voice Grade [technology]"},
        {"10GE", "10 GigaBIT Ethernet (ethernet, BIT)"},
        {"BZUE", "Beleglose ZahlscheinUEberweisung (banking)"},
    };
    for (const auto& [key, meaning] : cases) {
        const TSL* record = store.findKey(key);
        ASSERT_NE(record, nullptr) << key;
        const auto meanings = meaningsOf(record->L);
        EXPECT_NE(std::find(meanings.begin(), meanings.end(), meaning), meanings.end()) << key;
    }
    const auto bp = meaningsOf(store.findKey("BP")->L);
    EXPECT_EQ(bp.front(), "Base Pointer [register] (CPU, Intel, assembler)");
}

// No meaning holds another entry's head line, "KEY MEANING", as happens
// when an entry is glued to the one before it.
TEST(BuiltInData, NoMeaningHoldsAnotherEntry) {
    const auto& store = AcronymStore::builtIn();
    std::unordered_map<std::string_view, std::vector<std::string>> headsByFirstWord;
    for (int b = 0; b < kLetterBucketCount; ++b) {
        for (const TSL& record : store.table(b)) {
            const std::string_view key = withoutCaseSuffix(record.S);
            for (const std::string_view meaning : meaningsOf(record.L))
                headsByFirstWord[key.substr(0, key.find(' '))].push_back(std::string(key) + " " + std::string(meaning));
        }
    }
    for (int b = 0; b < kLetterBucketCount; ++b) {
        for (const TSL& record : store.table(b)) {
            const std::string_view key = withoutCaseSuffix(record.S);
            for (const std::string_view meaning : meaningsOf(record.L)) {
                const std::string own = std::string(key) + " " + std::string(meaning);
                for (std::size_t start = 0; start < meaning.size();) {
                    const std::size_t end = std::min(meaning.find(' ', start), meaning.size());
                    const auto heads = headsByFirstWord.find(meaning.substr(start, end - start));
                    if (heads != headsByFirstWord.end()) {
                        for (const std::string& head : heads->second)
                            EXPECT_TRUE(head == own || !meaning.substr(start).starts_with(head)) << record.S << ": " << head;
                    }
                    start = end + 1;
                }
            }
        }
    }
}

TEST(BuiltInData, NoKeyHoldsAMeaningTwiceApartFromCaseAndTags) {
    const auto& store = AcronymStore::builtIn();
    for (int b = 0; b < kLetterBucketCount; ++b) {
        for (const TSL& record : store.table(b)) {
            std::set<std::string> cores;
            for (const std::string_view meaning : meaningsOf(record.L))
                EXPECT_TRUE(cores.insert(coreOf(meaning)).second) << record.S << ": " << meaning;
        }
    }
}

}  // namespace
}  // namespace termora
