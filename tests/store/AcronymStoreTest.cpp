#include "common/FixtureStore.h"

#include <gtest/gtest.h>

namespace termora {
namespace {

TEST(KeyLookup, FindsFirstKeyEqualIgnoringCase) {
    const auto& store = fixture::store();
    const struct {
        const char* key;
        const char* expansionStart;  // nullptr: no record
    } cases[] = {
        {"ABL [2]", "<1> Academia Brasileira de Letras"},
        {"abl [2]", "<1> Academia Brasileira de Letras"},
        {"AbL [1]", "Arbeitsgemeinschaft B\xe4uerliche"},
        {"BLUE", "Best Linear"},  // stored twice: the first record wins
        {"80286", "Intel 80286"},
        {"meth [1]", "methamphetamine"},
        {"METH [3]", "Methyl"},
        {"ABL", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const TSL* record = store.findKey(c.key);
        if (c.expansionStart == nullptr) {
            EXPECT_EQ(record, nullptr) << c.key;
        } else {
            ASSERT_NE(record, nullptr) << c.key;
            EXPECT_TRUE(record->L.starts_with(c.expansionStart)) << c.key;
        }
    }
}

TEST(KeyIndex, PositionIBelongsToRecordI) {
    const auto& store = fixture::store();
    for (int b = 0; b < kLetterBucketCount; ++b) {
        const auto& index = store.keyIndex(b);
        ASSERT_EQ(index.size(), store.table(b).size()) << b;
        for (std::size_t i = 0; i < index.size(); ++i) EXPECT_EQ(index[i].data(), store.table(b)[i].S.data());
    }
    EXPECT_EQ(store.keyIndex(0).front(), "AbL [1]");
    EXPECT_EQ(store.keyPosition("BLUE"), 0);
}

}  // namespace
}  // namespace termora
