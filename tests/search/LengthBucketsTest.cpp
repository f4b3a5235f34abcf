#include "common/FixtureStore.h"
#include "search/KeyOrder.h"
#include "search/LengthBuckets.h"
#include "search/SearchRun.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace termora {
namespace {

TEST(StrippedLength, CountsWithoutSignsAndSuffix) {
    const struct {
        const char* key;
        int length;
    } cases[] = {{"A.S. [2]", 2}, {"a.s. [1]", 2}, {"B&W [2]", 2}, {"ASAP", 4}, {"DAMHIK, IJK", 11}};
    for (const auto& c : cases) EXPECT_EQ(strippedLength(c.key), c.length) << c.key;
}

TEST(LengthBuckets, GroupsAnagramHitsByLength) {
    auto hits = runSearch(fixture::store(), "mta", SearchMethod::Anagram, true);
    sortByKey(hits);
    std::vector<std::string_view> keys;
    for (const TSL* hit : hits) keys.push_back(hit->S);

    LengthBuckets buckets;
    buckets.rebuild(keys);
    EXPECT_EQ(buckets.bucket(0).size(), 8u);
    EXPECT_EQ(buckets.bucket(3), buckets.bucket(0));
    for (int n = 1; n < LengthBuckets::kCount; ++n) {
        if (n != 3) {
            EXPECT_TRUE(buckets.isEmpty(n)) << n;
        }
    }

    buckets.rebuild({});
    for (int n = 0; n < LengthBuckets::kCount; ++n) EXPECT_TRUE(buckets.isEmpty(n)) << n;
}

TEST(LengthBuckets, KeyWithoutBucketIsAnError) {
    LengthBuckets buckets;
    const std::vector<std::string_view> empty{"./"};
    EXPECT_THROW(buckets.rebuild(empty), std::out_of_range);
    const std::vector<std::string_view> tooLong{"ABCDEFGHIJKLMNOPQRST"};
    EXPECT_THROW(buckets.rebuild(tooLong), std::out_of_range);
}

TEST(KeyOrder, IgnoresCaseThenBreaksTiesByBytes) {
    EXPECT_LT(compareKeys("abc", "ABD"), 0);
    EXPECT_LT(compareKeys("AB", "abc"), 0);
    EXPECT_GT(compareKeys("b", "A"), 0);
    EXPECT_EQ(compareKeys("ATM", "ATM"), 0);
    EXPECT_NE(compareKeys("ATM", "atm"), 0);
    EXPECT_EQ(compareKeys("ATM", "atm") < 0, compareKeys("atm", "ATM") > 0);
    EXPECT_LT(compareKeys("\xc9TAT", "\xe9tau"), 0);  // accented capitals fold too
}

}  // namespace
}  // namespace termora
