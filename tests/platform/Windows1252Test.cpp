#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace termora {
namespace {

TEST(Windows1252, ConvertsBytesToUtf8AndBack) {
    const struct {
        const char* bytes;
        const char* utf8;
    } cases[] = {
        {"ABC", "ABC"},
        {"\x80", "\xe2\x82\xac"},          // euro sign
        {"\x96", "\xe2\x80\x93"},          // en dash
        {"\x92", "\xe2\x80\x99"},          // typographic apostrophe
        {"\x85", "\xe2\x80\xa6"},          // ellipsis
        {"\xa0", "\xc2\xa0"},              // no-break space
        {"B\xe4uerliche", "B\xc3\xa4uerliche"},
        {"\xd7", "\xc3\x97"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252::toUtf8(c.bytes), c.utf8) << c.bytes;
        const auto back = cp1252::fromUtf8(c.utf8);
        EXPECT_TRUE(back.ok) << c.utf8;
        EXPECT_EQ(back.bytes, c.bytes);
    }
}

TEST(Windows1252, RejectsWhatItCannotHold) {
    const struct {
        const char* utf8;
        const char* offending;
        bool invalidUtf8;
    } cases[] = {
        {"ab\xe6\x97\xa5", "\xe6\x97\xa5", false},  // a CJK character
        {"\xce\xb1", "\xce\xb1", false},          // Greek alpha
        {"x\xff", "\xff", true},                  // not UTF-8 at all
        {"\xc3", "\xc3", true},                   // truncated sequence
        {"\xc0\xaf", "\xc0", true},               // overlong encoding
        {"\xed\xa0\x80", "\xed", true},           // surrogate
    };
    for (const auto& c : cases) {
        const auto result = cp1252::fromUtf8(c.utf8);
        EXPECT_FALSE(result.ok) << c.utf8;
        EXPECT_EQ(result.offending, c.offending);
        EXPECT_EQ(result.invalidUtf8, c.invalidUtf8) << c.utf8;
        EXPECT_EQ(cp1252::isValidUtf8(c.utf8), !c.invalidUtf8) << c.utf8;
    }
    EXPECT_TRUE(cp1252::isValidUtf8(""));
    EXPECT_TRUE(cp1252::isValidUtf8("C\xc3\xb4te d'Ivoire"));
}

TEST(Windows1252, FoldsLettersOfTheCodePage) {
    EXPECT_EQ(cp1252::foldCase('A'), 'a');
    EXPECT_EQ(cp1252::foldCase('['), '[');
    EXPECT_EQ(cp1252::foldCase(0xC9), 0xE9);
    EXPECT_EQ(cp1252::foldCase(0xD7), 0xD7);  // multiplication sign is no letter
    EXPECT_EQ(cp1252::foldCase(0x8A), 0x9A);
    EXPECT_TRUE(cp1252::equalsIgnoringCase("abl [2]", "ABL [2]"));
    EXPECT_FALSE(cp1252::equalsIgnoringCase("ABL [1]", "ABL [2]"));
    EXPECT_FALSE(cp1252::equalsIgnoringCase("AB", "ABC"));
}

}  // namespace
}  // namespace termora
