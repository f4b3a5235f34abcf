#include "store/Meanings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace termora {
namespace {

TEST(SplitMeanings, OneMeaningAfterEachMarker) {
    using Meanings = std::vector<std::string_view>;
    const struct {
        const char* expansion;
        Meanings meanings;
    } cases[] = {
        {"Triple DES", {"Triple DES"}},
        {"<1> Apple <2> Ampere (SI)", {"Apple", "Ampere (SI)"}},
        {"<1> one <2> two <10> ten <133> more", {"one", "two", "ten", "more"}},
        {"<1> a <3> skipped <3> repeated", {"a", "skipped", "repeated"}},  // numbers as stored
        {"<1> only", {"only"}},
        {"<1> x <y> z <2> w", {"x <y> z", "w"}},  // no number, no marker
        {"<1> x <2>", {"x <2>"}},                 // a marker has its blank
        {"<1> x  <2> y", {"x ", "y"}},
        {"a <1> b", {"a <1> b"}},                 // only a text that opens with one is numbered
        {"<1>x", {"<1>x"}},
        {"", {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitMeanings(c.expansion), c.meanings) << c.expansion;
}

}  // namespace
}  // namespace termora
