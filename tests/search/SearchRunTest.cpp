#include "common/FixtureStore.h"
#include "search/SearchRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace termora {
namespace {

std::vector<std::string> keys(const std::vector<const TSL*>& hits) {
    std::vector<std::string> out;
    for (const TSL* hit : hits) out.emplace_back(hit->S);
    return out;
}

std::vector<std::string> search(std::string_view text, SearchMethod method, bool same = true) {
    return keys(runSearch(fixture::store(), text, method, same));
}

using Keys = std::vector<std::string>;

TEST(SearchRun, HitsInVisitingOrder) {
    const struct {
        const char* text;
        SearchMethod method;
        bool same;
        Keys expected;
    } cases[] = {
        {"abl", SearchMethod::Exact, true, {"AbL [1]", "ABL [2]", "ABLE"}},
        {"ABL", SearchMethod::Exact, true, {"AbL [1]", "ABL [2]", "ABLE"}},
        {"abl [2]", SearchMethod::Exact, true, {"ABL [2]"}},
        {"asap", SearchMethod::Exact, true, {"ASAP"}},
        {"ram", SearchMethod::Exact, true, {"RAML", "RAM", "RAMAC", "RAMDAC", "RAMP"}},
        // Digits and signs select the table of other initials.
        {"3d", SearchMethod::Exact, true, {"3DES", "3D", "3DC", "3DIF", "3DML", "3DRAM"}},
        {" 3d", SearchMethod::Exact, true, {}},
        {"zzz", SearchMethod::Exact, true, {}},
        {"sap", SearchMethod::Related, true, {"ASAP", "ISAPI", "SAP"}},
        {"[2]", SearchMethod::Related, true, {"ABL [2]", "A.S. [2]", "ATM [2]", "B&W [2]", "Meth [2]"}},
        {"<12>", SearchMethod::ContainingText, true, {"XII"}},
        {"MEMORY", SearchMethod::ContainingText, true, {"RAM", "ROM", "RAMDAC", "3DRAM"}},
        {"don't", SearchMethod::ContainingText, true, {}},
        {"\xc9tat", SearchMethod::ContainingText, true, {"SMT"}},
        {"\xe9tat", SearchMethod::ContainingText, true, {}},
        {"mta", SearchMethod::Anagram, true, {"atm [1]", "ATM [2]", "atm.", "AMT", "MTA", "MAT", "TMA", "TAM"}},
        {"mta", SearchMethod::Anagram, false,
         {"atm [1]", "ATM [2]", "atm.", "AMT", "A", "AM", "MTA", "MAT", "M&A", "TMA", "TA", "TAM", "T-M"}},
        {"atm.", SearchMethod::Anagram, true, {}},
        {"", SearchMethod::Related, true, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(search(c.text, c.method, c.same), c.expected) << c.text;
}

TEST(SearchRun, KeyStoredTwiceIsListedTwice) {
    EXPECT_EQ(search("blue", SearchMethod::Exact), (Keys{"BLUE", "BLUE"}));
}

TEST(SearchRun, FullListingCodeAppendsEveryRecordAfterTheMethodsHits) {
    const auto& store = fixture::store();
    const auto hits = runSearch(store, kFullListingCode, SearchMethod::Related, true);
    ASSERT_EQ(static_cast<int>(hits.size()), store.recordCount());  // no key holds the code
    EXPECT_EQ(hits.front()->S, "AbL [1]");                         // tables A..Z first,
    EXPECT_EQ(hits.back()->S, "3DRAM");                            // other initials last

    const auto exact = runSearch(store, "80286", SearchMethod::Exact, true);
    EXPECT_EQ(keys(exact), Keys{"80286"});
    EXPECT_EQ(runSearch(store, "27041995 ", SearchMethod::Exact, true).size(), 0u);
}

TEST(SortByKey, AlphabeticalIgnoringCase) {
    auto hits = runSearch(fixture::store(), "a", SearchMethod::Related, true);
    sortByKey(hits);
    const auto sorted = keys(hits);
    ASSERT_GE(sorted.size(), 4u);
    EXPECT_EQ(sorted[0], "3DRAM");
    const std::vector<std::string> head(sorted.begin(), sorted.begin() + 6);
    EXPECT_EQ(head, (Keys{"3DRAM", "A", "a.s. [1]", "A.S. [2]", "AADCP", "AbL [1]"}));
}

}  // namespace
}  // namespace termora
