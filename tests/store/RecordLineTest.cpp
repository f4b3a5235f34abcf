#include "store/RecordLine.h"

#include <gtest/gtest.h>

namespace termora {
namespace {

TEST(RecordLine, FormatAndParseRoundTrip) {
    EXPECT_EQ(formatRecordLine("XER", "XML Encoding Rules"), "(S:'XER';L:'XML Encoding Rules'),");
    EXPECT_EQ(formatRecordLine("it's", "a 'b'"), "(S:'it's';L:'a 'b''),");  // never doubled

    const auto parsed = parseRecordLine("(S:'DAMHIK, IJK';L:'Don\x02t Ask'),");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->key, "DAMHIK, IJK");
    EXPECT_EQ(parsed->expansion, "Don\x02t Ask");
}

TEST(RecordLine, MalformedLinesAreRejected) {
    for (const char* line : {"", "(S:'A';L:'x')", "S:'A';L:'x'),", "(S:'A'L:'x'),", "(S:'A';L:'x'),\r", "(S:'A';L:'x'), "}) {
        EXPECT_FALSE(parseRecordLine(line)) << line;
    }
    EXPECT_TRUE(parseRecordLine("(S:'';L:''),"));  // the form holds; the key rules reject it
}

TEST(KeyRules, StrippedLengthOneToNineteen) {
    const struct {
        const char* key;
        bool ok;
    } cases[] = {
        {"A", true},
        {"ABCDEFGHIJKLMNOPQRS", true},    // 19
        {"ABCDEFGHIJKLMNOPQRST", false},  // 20
        {"A.B.C.D.E.F.G.H.I.J.K.L.M.N.O.P.Q.R.S [1]", true},
        {"", false},
        {"./-", false},
        {" [1]", false},
        {"A\tB", false},
        {"A\x7f", false},          // DEL
        {"A\x81", false},          // undefined in Windows-1252
        {"A\x9d", false},
        {"\xc4RZTE", true},       // a letter of the code page
        {"\x80 \x8a \x9f", true},  // euro sign, S caron, Y diaeresis
    };
    for (const auto& c : cases) EXPECT_EQ(!keyRuleViolation(c.key), c.ok) << c.key;
}

TEST(ExpansionRules, PrintableCodePageTextWithThePlaceholder) {
    const struct {
        const char* expansion;
        const char* violation;  // "" when the expansion can be stored
    } cases[] = {
        {"Random Access Memory", ""},
        {"it\x02s \xe9t\xe9 \x80", ""},
        {"", "empty expansion"},
        {"it's", "apostrophe in expansion (store it as the byte 0x02)"},
        {"bell\a", "expansion holds the control character 0x07"},
        {"esc\x1b[0m", "expansion holds the control character 0x1B"},
        {"a\tb", "expansion holds the control character 0x09"},
        {"del\x7f", "expansion holds the control character 0x7F"},
        {"x\x8d", "expansion holds the byte 0x8D, which Windows-1252 leaves undefined"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(expansionRuleViolation(c.expansion).value_or(""), c.violation) << c.expansion;
    }
}

TEST(CountMeanings, CountsMarkersOrOne) {
    const struct {
        const char* text;
        int meanings;
    } cases[] = {
        {"Triple DES", 1},
        {"<1> a <2> b", 2},
        {"<1> a <2> b <3> c <10> d", 4},
        {"a < b > c", 1},
        {"<> <x> <1", 1},
        {"<1> only", 1},
        {"<1> a <1> repeated", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(countMeanings(c.text), c.meanings) << c.text;
}

TEST(BucketOfKey, InitialLetterOrOthers) {
    const struct {
        const char* key;
        int bucket;
    } cases[] = {{"atm [1]", 0}, {"ATM [2]", 0}, {"Zulu", 25}, {"80286", 26}, {" x", 26}, {"\xc9tat", 26}, {"", 26}};
    for (const auto& c : cases) EXPECT_EQ(bucketOfKey(c.key), c.bucket) << c.key;
}

}  // namespace
}  // namespace termora
