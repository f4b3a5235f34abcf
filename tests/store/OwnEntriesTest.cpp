// The user's entries beside the fixture's: which built-in entry a key joins,
// how the meanings are numbered on, and what stays an entry of the user's own.

#include "common/FixtureStore.h"
#include "store/OwnEntries.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace termora {
namespace {

const PackedEntries& builtIn() { return fixture::store().entries(); }


// The user's set as key -> expansion, and where the user's meanings begin.
struct Shown {
    std::string expansion;
    std::size_t ownFrom;
    std::optional<std::string> replaces;  // the key of the built-in record replaced
    bool operator==(const Shown&) const = default;
};
std::map<std::string, Shown> shownOf(const OwnEntries& own) {
    std::map<std::string, Shown> shown;
    for (RecordNumber r = 0; r < own.entries().count(); ++r) {
        const auto replaced = own.replacedRecord(r);
        shown[std::string(own.entries().key(r))] = {std::string(own.entries().expansion(r)), own.ownMeaningsFrom(r),
                                                    replaced ? std::optional<std::string>(builtIn().key(*replaced)) : std::nullopt};
    }
    return shown;
}

TEST(OwnEntries, BuiltInMeaningsFirstThenTheUsersNumberedOn) {
    const std::vector<UserEntry> user = {
        {"ram", "Rapid Access Mine"},                              // one built-in meaning, no marker
        {"ASAP", "<1> Another Service <2> And Some"},              // three numbered ones
        {"ZZQ", "Zed"},                                            // a key of the user's own
        {"zzq", "Zed Again"},                                      // the same key, another case
        {"RAM", "<1> Random Apple Memory <2> rapid access mine"},  // the second repeats one
        {"XY", "<1> one <2> two"},
    };
    const OwnEntries own(builtIn(), user);
    const std::map<std::string, Shown> expected = {
        {"RAM", {"<1> Random Access Memory <2> Rapid Access Mine <3> Random Apple Memory", 25, "RAM"}},
        {"ASAP", {"<1> As Soon As Possible <2> Army Substance Abuse Program <3> Always Say A Prayer "
                  "<4> Another Service <5> And Some", 81, "ASAP"}},
        {"ZZQ", {"<1> Zed <2> Zed Again", 0, std::nullopt}},
        {"XY", {"<1> one <2> two", 0, std::nullopt}},
    };
    EXPECT_EQ(shownOf(own), expected);
    EXPECT_EQ(own.addedKeys(), 2);
    EXPECT_EQ(own.addedMeanings(), 8);
    EXPECT_EQ(std::string(own.entries().expansion(0)).substr(81, 4), "<4> ");  // ASAP: table A comes first
    for (RecordNumber r = 0; r < builtIn().count(); ++r) {
        const std::string key(builtIn().key(r));
        EXPECT_EQ(own.replaces(r), key == "RAM" || key == "ASAP") << key;
    }
}

TEST(OwnEntries, OneMeaningOfTheUsersOwnHasNoMarker) {
    const OwnEntries own(builtIn(), std::vector<UserEntry>{{"ZZQ", "Zed"}});
    EXPECT_EQ(shownOf(own), (std::map<std::string, Shown>{{"ZZQ", {"Zed", 0, std::nullopt}}}));
}

// The key lookup's rule: equal ignoring case; a key without its case suffix
// joins the entry with the suffix, spelt the same or else the first.
TEST(OwnEntries, AKeyJoinsTheEntryTheKeyLookupFinds) {
    const struct {
        const char* key;
        const char* joins;  // "" for a key of the user's own
    } cases[] = {
        {"ram", "RAM"},         {"RAM", "RAM"},         {"abl [2]", "ABL [2]"}, {"ABL [1]", "AbL [1]"},
        {"atm", "atm [1]"},     {"ATM", "ATM [2]"},     {"Atm", "atm [1]"},     {"METH", "METH [3]"},
        {"Meth", "Meth [2]"},   {"mEth", "meth [1]"},   {"blue", "BLUE"},       {"3des", "3DES"},
        {"atm [3]", ""},        {"RAMZ", ""},           {"a.s.", "a.s. [1]"},   {"A.S.", "A.S. [2]"},
        {"b&w", "b&w [1]"},     {"AT", ""},             {"ra", ""},             {"atm.", "atm."},
    };
    for (const auto& c : cases) {
        const auto record = builtInRecordFor(builtIn(), c.key);
        EXPECT_EQ(record ? std::string(builtIn().key(*record)) : std::string(), c.joins) << c.key;
    }
    // A key stored twice: the first record, as the key lookup finds it.
    const auto blue = builtInRecordFor(builtIn(), "BLUE");
    ASSERT_TRUE(blue);
    EXPECT_EQ(builtIn().expansion(*blue), "Best Linear Unbiased Estimator");
}

TEST(OwnEntries, MeaningsTheEntryHoldsAlreadyAddNothing) {
    const std::vector<UserEntry> user = {{"RAM", "random access memory"}, {"ZZQ", "<1> Zed <2> ZED"}, {"zzq", "zed"}};
    const OwnEntries own(builtIn(), user);
    EXPECT_EQ(shownOf(own), (std::map<std::string, Shown>{{"ZZQ", {"Zed", 0, std::nullopt}}}));
    EXPECT_EQ(own.addedMeanings(), 1);
    for (RecordNumber r = 0; r < builtIn().count(); ++r) EXPECT_FALSE(own.replaces(r));
}

TEST(OwnEntries, MeaningsFollowTheLinesInOrder) {
    std::vector<std::string> meanings;
    for (int i = 1; i <= 12; ++i) meanings.push_back("m" + std::to_string(i));
    std::vector<UserEntry> user;
    for (int i = 0; i < 12; ++i) user.push_back({i % 2 ? "xy" : "XY", meanings[std::size_t(i)]});
    const OwnEntries own(builtIn(), user);
    ASSERT_EQ(own.entries().count(), 1u);
    EXPECT_EQ(own.entries().key(0), "XY");
    EXPECT_EQ(own.entries().expansion(0), "<1> m1 <2> m2 <3> m3 <4> m4 <5> m5 <6> m6 <7> m7 <8> m8 <9> m9 <10> m10 "
                                          "<11> m11 <12> m12");
}

}  // namespace
}  // namespace termora
