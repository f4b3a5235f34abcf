#include "store/KeyRules.h"

#include <gtest/gtest.h>

namespace termora {
namespace {

TEST(StripKey, RemovesSignsAndCaseSuffixInOrder) {
    const struct {
        const char* key;
        const char* stripped;
    } cases[] = {
        {"a.s. [1]", "as"},
        {"B&W [2]", "BW"},
        {"G-SAP", "GSAP"},
        {"METH [3]", "METH"},
        {"it's?/ok", "itsok"},
        {"A [.1]", "A"},         // "." goes first, which uncovers " [1]"
        {"A [1", "A [1"},        // only the whole suffix is removed
        {"A[1]", "A[1]"},        // the suffix starts with a blank
        {"DAMHIK, IJK", "DAMHIK, IJK"},  // spaces and commas stay
        {"x [4]", "x [4]"},
        {"...", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(StripKey(c.key), c.stripped) << c.key;
}

TEST(LowerAsciiLetters, LowersOnlyAToZ) {
    EXPECT_EQ(lowerAsciiLetters("AbZ[]@\xc9\xe9"), "abz[]@\xc9\xe9");
}

}  // namespace
}  // namespace termora
