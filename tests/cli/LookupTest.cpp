#include "cli/JsonText.h"
#include "cli/Lookup.h"
#include "cli/LookupOptions.h"
#include "cli/OutputBuffer.h"
#include "common/FixtureStore.h"

#include <gtest/gtest.h>

#include <functional>

#include <fcntl.h>
#include <unistd.h>

namespace termora::cli {
namespace {

using Args = std::vector<std::string>;

TEST(LookupArguments, ParsesOptionsAndRejectsBadOnes) {
    const struct {
        Args args;
        bool ok;
        SearchMethod method;
        bool same;
        int length;
        OutputForm form;
        const char* term;
        bool fromInput;
    } cases[] = {
        {{"ram"}, true, SearchMethod::Exact, true, 0, OutputForm::Lines, "ram", false},
        {{"--method", "related", "sap"}, true, SearchMethod::Related, true, 0, OutputForm::Lines, "sap", false},
        {{"--method", "text", "x"}, true, SearchMethod::ContainingText, true, 0, OutputForm::Lines, "x", false},
        {{"--any-length", "--method", "anagram", "mta"}, true, SearchMethod::Anagram, false, 0, OutputForm::Lines, "mta", false},
        {{"--length", "3", "--keys-only", "mta"}, true, SearchMethod::Exact, true, 3, OutputForm::KeysOnly, "mta", false},
        {{"--count", "x"}, true, SearchMethod::Exact, true, 0, OutputForm::Count, "x", false},
        {{"--json", "--json", "x"}, true, SearchMethod::Exact, true, 0, OutputForm::Json, "x", false},
        {{"--", "--odd"}, true, SearchMethod::Exact, true, 0, OutputForm::Lines, "--odd", false},
        {{"--count", "-"}, true, SearchMethod::Exact, true, 0, OutputForm::Count, "-", true},
        {{"--", "-"}, true, SearchMethod::Exact, true, 0, OutputForm::Lines, "-", true},
        {{}, false, {}, {}, {}, {}, "", false},
        {{"a", "b"}, false, {}, {}, {}, {}, "", false},
        {{"--method"}, false, {}, {}, {}, {}, "", false},
        {{"--method", "fuzzy", "a"}, false, {}, {}, {}, {}, "", false},
        {{"--length", "20", "a"}, false, {}, {}, {}, {}, "", false},
        {{"--length", "-1", "a"}, false, {}, {}, {}, {}, "", false},
        {{"--length", "3x", "a"}, false, {}, {}, {}, {}, "", false},
        {{"--colour", "a"}, false, {}, {}, {}, {}, "", false},
        {{"--count", "--json", "a"}, false, {}, {}, {}, {}, "", false},
        {{"--keys-only", "--count", "a"}, false, {}, {}, {}, {}, "", false},
    };
    for (const auto& c : cases) {
        const ParseResult result = parseLookupArguments(c.args);
        ASSERT_EQ(result.options.has_value(), c.ok) << (c.args.empty() ? "(none)" : c.args.back());
        if (!c.ok) {
            EXPECT_FALSE(result.error.empty());
            continue;
        }
        EXPECT_EQ(result.options->method, c.method);
        EXPECT_EQ(result.options->sameLength, c.same);
        EXPECT_EQ(result.options->length, c.length);
        EXPECT_EQ(result.options->form, c.form);
        EXPECT_EQ(result.options->term, c.term);
        EXPECT_EQ(result.options->termsFromInput, c.fromInput);
    }
    EXPECT_TRUE(parseLookupArguments({"--help"}).options->help);
    EXPECT_TRUE(parseLookupArguments({"x"}).options->userEntries);
    EXPECT_FALSE(parseLookupArguments({"--no-user", "x"}).options->userEntries);
    EXPECT_EQ(parseLookupArguments({"--count", "--json", "a"}).error, "choose one of --keys-only, --count and --json");
}

// What went through an output buffer of the given capacity, read back
// through a pipe (large enough for these tests).
std::string through(std::size_t capacity, const std::function<void(OutputBuffer&)>& write) {
    int pipe[2];
    if (::pipe(pipe) != 0) return "(no pipe)";
    OutputBuffer out(pipe[1], capacity);
    write(out);
    EXPECT_EQ(out.flush(), 0);
    ::close(pipe[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) text.append(buffer, std::size_t(got));
    ::close(pipe[0]);
    return text;
}

// The fixture with its lines, and the user's entries beside it when given.
LookupData fixtureData(const OwnEntries* own = nullptr) {
    static const ShownLineSet shown(fixture::store().entries());
    return LookupData{fixture::store().entries(), shown.shown(), own};
}

// What printHits writes.
std::string printed(OutputForm form, const std::vector<DictionaryHit>& hits, std::size_t capacity = 16 * 1024,
                    const LookupData& data = fixtureData()) {
    return through(capacity, [&](OutputBuffer& out) { printHits(data, form, hits, out); });
}

std::vector<DictionaryHit> look(const char* term, SearchMethod method, bool same, int length = 0,
                                const LookupData& data = fixtureData()) {
    LookupOptions options;
    options.method = method;
    options.sameLength = same;
    options.length = length;
    return lookUp(data, options, term);
}

TEST(LookupPrint, EveryFormOfTheHitsInKeyOrder) {
    const auto mta = look("mta", SearchMethod::Anagram, false);
    EXPECT_EQ(printed(OutputForm::KeysOnly, mta), "A\nAM\nAMT\natm [1]\nATM [2]\natm.\nM&A\nMAT\nMTA\nT-M\nTA\nTAM\nTMA\n");
    EXPECT_EQ(printed(OutputForm::Count, mta), "13\n");
    EXPECT_EQ(printed(OutputForm::KeysOnly, look("mta", SearchMethod::Anagram, false, 2)), "AM\nM&A\nT-M\nTA\n");
    EXPECT_EQ(printed(OutputForm::Count, {}), "0\n");
    EXPECT_EQ(printed(OutputForm::Lines, {}), "");

    EXPECT_EQ(printed(OutputForm::Lines, look("damhik", SearchMethod::Related, true)),
              "DAMHIK, IJK\tDon't Ask Me How I Know, I Just Know\n");
    EXPECT_EQ(printed(OutputForm::Lines, look("abl [1]", SearchMethod::Related, true)),
              "AbL [1]\tArbeitsgemeinschaft B\xc3\xa4uerliche Landwirtschaft eV (Germany)\n");
    // Hits apart in key order and next to each other, in pieces of any size.
    const auto ram = look("ram", SearchMethod::Exact, true);
    const std::string ramLines = printed(OutputForm::Lines, ram);
    EXPECT_EQ(ramLines.substr(0, 32), "RAM\tRandom Access Memory\nRAMAC\tR");
    EXPECT_EQ(printed(OutputForm::Lines, ram, 10), ramLines);
    EXPECT_EQ(printed(OutputForm::Lines, look("a", SearchMethod::Related, true), 1),
              printed(OutputForm::Lines, look("a", SearchMethod::Related, true)));

    EXPECT_EQ(printed(OutputForm::Json, look("asap", SearchMethod::Exact, true)),
              "{\"key\": \"ASAP\", \"meanings\": [\"As Soon As Possible\", \"Army Substance Abuse Program\", "
              "\"Always Say A Prayer\"]}\n");
    EXPECT_EQ(printed(OutputForm::Json, look("dam", SearchMethod::Exact, true)),
              "{\"key\": \"DAMHIK, IJK\", \"meanings\": [\"Don't Ask Me How I Know, I Just Know\"]}\n");
}

// The user's entries beside the fixture's: a built-in entry with the user's
// meanings once, in its place, and the user's own keys among the others, in
// every form and with the length filter.
TEST(LookupPrint, TheUsersEntriesInTheirPlaces) {
    const std::vector<UserEntry> user = {{"ram", "Rapid Access Mine"}, {"RAMZ", "Random Zoo"},
                                         {"RAMZES", "<1> a <2> b"}, {"ZZQ", "Zed\x02s"}};
    const OwnEntries own(fixture::store().entries(), user);
    const LookupData data = fixtureData(&own);
    const auto ram = look("ram", SearchMethod::Exact, true, 0, data);
    EXPECT_EQ(printed(OutputForm::KeysOnly, ram, 16, data), "RAM\nRAMAC\nRAMDAC\nRAML\nRAMP\nRAMZ\nRAMZES\n");
    EXPECT_EQ(printed(OutputForm::Lines, ram, 16, data),
              "RAM\t<1> Random Access Memory <2> Rapid Access Mine\n"
              "RAMAC\tRandom Access Method of Accounting and Control\n"
              "RAMDAC\tRandom Access Memory Digital-to-Analog Converter\n"
              "RAML\tRESTful API Modeling Language\nRAMP\tRamp Up\nRAMZ\tRandom Zoo\nRAMZES\t<1> a <2> b\n");
    EXPECT_EQ(printed(OutputForm::Count, ram, 16, data), "7\n");
    EXPECT_EQ(printed(OutputForm::KeysOnly, look("ram", SearchMethod::Exact, true, 4, data), 16, data),
              "RAML\nRAMP\nRAMZ\n");
    EXPECT_EQ(printed(OutputForm::Json, look("access mine", SearchMethod::ContainingText, true, 0, data), 16, data),
              "{\"key\": \"RAM\", \"meanings\": [\"Random Access Memory\", \"Rapid Access Mine\"]}\n");
    EXPECT_EQ(printed(OutputForm::Lines, look("zqz", SearchMethod::Anagram, true, 0, data), 16, data), "ZZQ\tZed's\n");
    EXPECT_EQ(printed(OutputForm::KeysOnly, look("zz", SearchMethod::Related, true, 0, data), 16, data), "ZZQ\n");
}

TEST(JsonText, ValidForAnyBytes) {
    const struct {
        std::string bytes;
        const char* json;
    } cases[] = {
        {"plain text, long enough for whole words", "plain text, long enough for whole words"},
        {"say \"hi\"", "say \\\"hi\\\""},
        {"C:\\dir", "C:\\\\dir"},
        {"Don\x02t", "Don't"},
        {"tab\there, line\nend, cr\r, bell\a, esc\x1b, del\x7f", "tab\\there, line\\nend, cr\\r, bell\\u0007, esc\\u001b, del\\u007f"},
        {std::string("nul\0!", 5), "nul\\u0000!"},
        {"\x80 \x85 \x81 \x9d \xe9\xc9", "\xe2\x82\xac \xe2\x80\xa6 \\u0081 \\u009d \xc3\xa9\xc3\x89"},
        {"1234567\"1234567\\12345678\x01", "1234567\\\"1234567\\\\12345678\\u0001"},  // at the edges of eight
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string out = "[";
        appendJsonText(out, c.bytes);
        EXPECT_EQ(out, std::string("[") + c.json) << c.bytes;
    }
}

TEST(OutputBuffer, WritesEverythingInOrder) {
    static const std::string lasting = "LASTING";
    EXPECT_EQ(through(8, [](OutputBuffer& out) {
                  out.append("abc");
                  out.appendLasting(lasting);
                  out.append("defgh");         // fills the buffer
                  out.append("0123456789ab");  // larger than the buffer: written at once
                  out.appendLasting("");
                  out.append("x");
              }),
              "abcLASTINGdefgh0123456789abx");
    // More pieces than one gathering write takes.
    static const std::vector<std::string> words = [] {
        std::vector<std::string> w;
        for (int i = 0; i < 3000; ++i) w.push_back(std::to_string(i) + ",");
        return w;
    }();
    std::string all;
    for (const std::string& word : words) all += word + ";";
    EXPECT_EQ(through(64, [](OutputBuffer& out) {
                  for (const std::string& word : words) {
                      out.appendLasting(word);
                      out.append(";");
                  }
              }),
              all);
}

TEST(OutputBuffer, KeepsTheFirstFailure) {
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    OutputBuffer failing(full, 4);
    failing.append("abcdef");
    failing.appendLasting("more");
    EXPECT_EQ(failing.flush(), ENOSPC);
    failing.append("again");
    EXPECT_EQ(failing.flush(), ENOSPC);
    ::close(full);
}

}  // namespace
}  // namespace termora::cli
