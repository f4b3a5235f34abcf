// The lines of the user's own files: both forms, every kind of bad line,
// and how a file's bytes break into numbered lines.

#include "store/UserEntries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace termora {
namespace {

using Meanings = std::vector<std::string>;

// A line parsed from a copy of its text, which the entry views.
ParsedLine parse(const char* text, std::string& line) {
    line = text;
    return parseUserLine(line);
}

Meanings meaningsOf(const UserEntry& entry) {
    std::vector<std::string_view> meanings;
    appendMeanings(entry.expansion, meanings);
    return Meanings(meanings.begin(), meanings.end());
}

TEST(UserLine, BothFormsGiveKeyAndMeanings) {
    const struct {
        const char* line;
        const char* key;
        Meanings meanings;
    } cases[] = {
        {"RAM\tRandom Access Memory", "RAM", {"Random Access Memory"}},
        {"(S:'XER';L:'XML Encoding Rules'),", "XER", {"XML Encoding Rules"}},
        // Apostrophes as the add-entry tool writes them, and as an export holds them.
        {"(S:'I'M';L:'It's Me'),", "I'M", {"It\x02s Me"}},
        {"(S:'DAMHIK';L:'Don\x02t Ask'),", "DAMHIK", {"Don\x02t Ask"}},
        {"I'M\tIt's Me", "I'M", {"It\x02s Me"}},
        // UTF-8 in the tab form, Windows-1252 in a record line.
        {"caf\xc3\xa9\t\xe2\x82\xac 5", "caf\xe9", {"\x80 5"}},
        {"(S:'caf\xe9';L:'\xc9t\xe9'),", "caf\xe9", {"\xc9t\xe9"}},
        {"  RAM \t  Rapid  ", "RAM", {"Rapid"}},
        {"  (S:'XER';L:' XML '),  ", "XER", {"XML"}},
        {"ASAP\t<1> As Soon As Possible <2> Always Say A Prayer", "ASAP", {"As Soon As Possible", "Always Say A Prayer"}},
        {"(S:'A';L:'<1> Apple <12> Ampere'),", "A", {"Apple", "Ampere"}},
        {"a <b>\tx <y> z", "a <b>", {"x <y> z"}},  // no number, no marker
        {"ABCDEFGHIJKLMNOPQRS [1]\tlong", "ABCDEFGHIJKLMNOPQRS [1]", {"long"}},
    };
    for (const auto& c : cases) {
        std::string line;
        const ParsedLine parsed = parse(c.line, line);
        ASSERT_TRUE(parsed.entry) << c.line << ": " << parsed.problem;
        EXPECT_EQ(parsed.entry->key, c.key) << c.line;
        EXPECT_EQ(meaningsOf(*parsed.entry), c.meanings) << c.line;
    }
}

TEST(UserLine, BadLinesSayWhy) {
    const struct {
        const char* line;
        const char* problem;
    } cases[] = {
        {"no tab here", "neither a record line (S:'KEY';L:'EXPANSION'), nor KEY<TAB>MEANING"},
        {"(S:'X';L:'y')", "neither a record line (S:'KEY';L:'EXPANSION'), nor KEY<TAB>MEANING"},
        {"a\tb\tc", "more than one tab"},
        {"\xff\tx", "not valid UTF-8 (byte 0xFF)"},
        {"x\tcaf\xe9", "not valid UTF-8 (byte 0xE9)"},
        {"\xe6\x97\xa5\tJapan", "the character \"\xe6\x97\xa5\" is not in the dictionary's code page (Windows-1252)"},
        {"ABCDEFGHIJKLMNOPQRST\tx", "key \"ABCDEFGHIJKLMNOPQRST\": key has more than 19 characters after stripping"},
        {"(S:'./-';L:'x'),", "key \"./-\": key is empty after stripping"},
        {"\t x", "key \"\": key is empty after stripping"},
        {"A\x01" "B\tx", "key \"A\x01" "B\": key holds the control character 0x01"},
        {"(S:'A\x81';L:'x'),", "key \"A\xc2\x81\": key holds the byte 0x81, which Windows-1252 leaves undefined"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ\tx",
         "key \"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN...\": key has more than 19 characters after stripping"},
        {"RAM\t", "key \"RAM\" has no meaning"},
        {"(S:'RAM';L:'  '),", "key \"RAM\" has no meaning"},
        {"RAM\t<1>  <2> b", "an empty meaning"},
        {"RAM\tbell\x07", "expansion holds the control character 0x07"},
        {"RAM\tit\x02s", "holds the control character 0x02"},
        {"(S:'RAM';L:'x\x8dy'),", "expansion holds the byte 0x8D, which Windows-1252 leaves undefined"},
        {"RAM\tx <3> y", "a meaning holds a marker \"<n>\" that does not open it"},
        {"RAM\t<1> x <2>", "a meaning holds a marker \"<n>\" that does not open it"},
    };
    for (const auto& c : cases) {
        std::string line;
        const ParsedLine parsed = parse(c.line, line);
        EXPECT_FALSE(parsed.entry) << c.line;
        EXPECT_EQ(parsed.problem, c.problem) << c.line;
    }
}

std::vector<std::string> keysOf(const UserEntries& loaded) {
    std::vector<std::string> keys;
    for (const UserEntry& entry : loaded.entries) keys.emplace_back(entry.key);
    return keys;
}

std::vector<int> badLineNumbers(const UserEntries& loaded) {
    std::vector<int> numbers;
    for (const BadLine& bad : loaded.badLines) numbers.push_back(bad.line);
    return numbers;
}

// Lines end at CR LF, a lone CR or a lone LF and are counted so; blank lines
// count but load nothing; the byte-order mark is no part of the first line.
TEST(UserFile, LinesAreNumberedAsAnEditorShowsThem) {
    const struct {
        std::string bytes;
        std::vector<std::string> keys;
        std::vector<int> badLines;
    } cases[] = {
        {"A\ta\r\nbad\r\nB\tb\r\n", {"A", "B"}, {2}},
        {"A\ta\rbad\rB\tb", {"A", "B"}, {2}},
        {"A\ta\n\n  \nbad\n", {"A"}, {4}},
        {"\xef\xbb\xbf" "A\ta\nbad", {"A"}, {2}},
        {"\xef\xbb\xbf(S:'A';L:'a'),\r\n", {"A"}, {}},
        {"A\ta\r\n\r\nbad", {"A"}, {3}},
        {"", {}, {}},
        {"\r\n\r\n", {}, {}},
    };
    for (const auto& c : cases) {
        UserEntries loaded;
        addUserFile(loaded, "f", c.bytes);
        EXPECT_EQ(keysOf(loaded), c.keys) << c.bytes;
        EXPECT_EQ(badLineNumbers(loaded), c.badLines) << c.bytes;
    }
}

TEST(UserFile, AFileWithZeroBytesIsNoTextFile) {
    UserEntries loaded;
    addUserFile(loaded, "/data/a.bin", std::string("A\ta\nB\0\tb\n", 9));
    EXPECT_TRUE(loaded.entries.empty());
    ASSERT_EQ(loaded.badLines.size(), 1u);
    EXPECT_EQ(describeBadLines(loaded.badLines, 5), std::vector<std::string>{"/data/a.bin: not a text file (it holds zero bytes)"});
}

TEST(UserFile, TheReportNamesFileAndLineAndCountsWhatItLeavesOut) {
    const std::vector<BadLine> badLines = {{"/d/New.txt", 3, "more than one tab"},
                                           {"/d/dictionaries/a.tsv", 0, "not a regular file"},
                                           {"/d/dictionaries/b.tsv", 12, "an empty meaning"},
                                           {"/d/dictionaries/b.tsv", 13, "an empty meaning"}};
    EXPECT_EQ(describeBadLines(badLines, 4),
              (std::vector<std::string>{"/d/New.txt, line 3: more than one tab", "/d/dictionaries/a.tsv: not a regular file",
                                        "/d/dictionaries/b.tsv, line 12: an empty meaning",
                                        "/d/dictionaries/b.tsv, line 13: an empty meaning"}));
    EXPECT_EQ(describeBadLines(badLines, 2).back(), "and 2 more lines that could not be loaded");
    EXPECT_EQ(describeBadLines(badLines, 3).back(), "and 1 more line that could not be loaded");
    EXPECT_TRUE(describeBadLines({}, 3).empty());
}

}  // namespace
}  // namespace termora
