#include "cli/Lookup.h"
#include "cli/LookupOptions.h"
#include "common/FixtureStore.h"

#include <gtest/gtest.h>

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
        bool keysOnly;
        const char* term;
    } cases[] = {
        {{"ram"}, true, SearchMethod::Exact, true, 0, false, "ram"},
        {{"--method", "related", "sap"}, true, SearchMethod::Related, true, 0, false, "sap"},
        {{"--method", "text", "x"}, true, SearchMethod::ContainingText, true, 0, false, "x"},
        {{"--any-length", "--method", "anagram", "mta"}, true, SearchMethod::Anagram, false, 0, false, "mta"},
        {{"--length", "3", "--keys-only", "mta"}, true, SearchMethod::Exact, true, 3, true, "mta"},
        {{"--", "--odd"}, true, SearchMethod::Exact, true, 0, false, "--odd"},
        {{"-"}, true, SearchMethod::Exact, true, 0, false, "-"},
        {{}, false, {}, {}, {}, {}, ""},
        {{"a", "b"}, false, {}, {}, {}, {}, ""},
        {{"--method"}, false, {}, {}, {}, {}, ""},
        {{"--method", "fuzzy", "a"}, false, {}, {}, {}, {}, ""},
        {{"--length", "20", "a"}, false, {}, {}, {}, {}, ""},
        {{"--length", "-1", "a"}, false, {}, {}, {}, {}, ""},
        {{"--length", "3x", "a"}, false, {}, {}, {}, {}, ""},
        {{"--colour", "a"}, false, {}, {}, {}, {}, ""},
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
        EXPECT_EQ(result.options->keysOnly, c.keysOnly);
        EXPECT_EQ(result.options->term, c.term);
    }
    EXPECT_TRUE(parseLookupArguments({"--help"}).options->help);
}

TEST(LookupLines, SortedFilteredAndConverted) {
    LookupOptions options;
    options.method = SearchMethod::Anagram;
    options.sameLength = false;
    options.keysOnly = true;
    EXPECT_EQ(lookupLines(fixture::store(), options, "mta"),
              (Args{"A", "AM", "AMT", "atm [1]", "ATM [2]", "atm.", "M&A", "MAT", "MTA", "T-M", "TA", "TAM", "TMA"}));

    options.length = 2;
    EXPECT_EQ(lookupLines(fixture::store(), options, "mta"), (Args{"AM", "M&A", "T-M", "TA"}));

    LookupOptions text;
    text.method = SearchMethod::Related;
    EXPECT_EQ(lookupLines(fixture::store(), text, "damhik"), Args{"DAMHIK, IJK\tDon't Ask Me How I Know, I Just Know"});
    EXPECT_EQ(lookupLines(fixture::store(), text, "abl [1]"),
              Args{"AbL [1]\tArbeitsgemeinschaft B\xc3\xa4uerliche Landwirtschaft eV (Germany)"});
}

}  // namespace
}  // namespace termora::cli
