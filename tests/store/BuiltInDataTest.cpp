// Integrity of the compiled-in dictionary against its data file.

#include "AcronymCounts.h"
#include "AcronymStore.h"
#include "LengthBuckets.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

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
    EXPECT_GT(file.keys, 9000);
}

}  // namespace
}  // namespace termora
