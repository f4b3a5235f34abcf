#include "search/MatchRules.h"

#include <gtest/gtest.h>

namespace termora {
namespace {

TEST(CountChar, CountsBytes) {
    EXPECT_EQ(CountChar('a', "banana"), 3);
    EXPECT_EQ(CountChar('A', "banana"), 0);
    EXPECT_EQ(CountChar(' ', "a b c"), 2);
    EXPECT_EQ(CountChar('x', ""), 0);
}

TEST(IsAnagramMatch, SameLengthAndLeftovers) {
    const struct {
        const char* text;
        const char* key;
        bool same;
        bool match;
    } cases[] = {
        {"mta", "amt", true, true},
        {"mta", "tam", true, true},
        {"mta", "mat", false, true},
        {"mta", "am", true, false},   // shorter key needs Same Length off
        {"mta", "am", false, true},
        {"mta", "a", false, true},
        {"mta", "amma", false, false},  // longer than the text
        {"mta", "att", true, false},    // t twice, text has it once
        {"mtta", "att", false, true},
        {"mta", "mtaa", false, false},
        {"mta", "mtx", true, false},
        {"atm.", "atm", true, false},   // the text is not stripped
        {"ab ", "a b", true, true},     // blanks count on both sides
        {"ab ", "ab", true, false},
        {"", "a", false, false},
        {"a", "", false, false},
        {"", "", true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsAnagramMatch(c.text, c.key, c.same), c.match)
            << "text '" << c.text << "' key '" << c.key << "' same " << c.same;
    }
}

TEST(MatchRules, ExactRelatedContainingAndAnagramKey) {
    EXPECT_TRUE(isExactMatch("AbL [1]", "abl"));
    EXPECT_TRUE(isExactMatch("ABLE", "abl"));
    EXPECT_FALSE(isExactMatch("AB", "abl"));         // shorter key never matches
    EXPECT_TRUE(isExactMatch("ABL [2]", "abl [2]"));
    EXPECT_FALSE(isExactMatch("AbL [1]", "abl [2]"));
    EXPECT_FALSE(isExactMatch("XABL", "abl"));       // a prefix test

    EXPECT_TRUE(isRelatedMatch("ISAPI", "sap"));
    EXPECT_TRUE(isRelatedMatch("ABL [2]", "[2]"));
    EXPECT_FALSE(isRelatedMatch("ABL [1]", "[2]"));
    EXPECT_FALSE(isRelatedMatch("SA", "sap"));

    EXPECT_TRUE(isContainingTextMatch("<1> x <12> y", "<12>"));
    EXPECT_TRUE(isContainingTextMatch("Random ACCESS", "access"));
    EXPECT_FALSE(isContainingTextMatch("Don\x02t", "don't"));  // the apostrophe is stored as 0x02
    EXPECT_FALSE(isContainingTextMatch("\xe9tat", "\xc9tat"));  // accented capitals are not lowered
    EXPECT_TRUE(isContainingTextMatch("\xc9tat", "\xc9tat"));

    EXPECT_TRUE(isAnagramKeyMatch("atm [1]", "mta", true));
    EXPECT_TRUE(isAnagramKeyMatch("atm.", "mta", true));
    EXPECT_TRUE(isAnagramKeyMatch("M&A", "mta", false));
    EXPECT_FALSE(isAnagramKeyMatch("AMMA", "mta", false));
}

}  // namespace
}  // namespace termora
