// Conversion rules of the integer edit's Value.

#include "controls/IntEditValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct ReadCase {
    const char* text;
    std::int64_t value;
};

class IntEditRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IntEditRead, ConvertsLikeTheStandardConversion) {
    EXPECT_EQ(termora::intedit::valueOf(GetParam().text), GetParam().value) << "text: \"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Cases, IntEditRead, ::testing::Values(
    ReadCase{"5", 5}, ReadCase{"0012", 12}, ReadCase{"", 0},
    ReadCase{"   42", 42}, ReadCase{"42 ", 0}, ReadCase{" - 4", 0},
    ReadCase{"+7", 7}, ReadCase{"-7", -7}, ReadCase{"-", 0}, ReadCase{"+", 0}, ReadCase{"5-5", 0},
    ReadCase{"1.5", 0}, ReadCase{"12a", 0},
    ReadCase{"2147483647", 2147483647}, ReadCase{"2147483648", 0},
    ReadCase{"-2147483648", -2147483648LL}, ReadCase{"-2147483649", 0},
    ReadCase{"5000000000", 0}, ReadCase{"99999999999999999999999", 0},
    ReadCase{"$1F", 31}, ReadCase{"x1f", 31}, ReadCase{"X1F", 31}, ReadCase{"0x1F", 31}, ReadCase{"0X10", 16},
    ReadCase{"-$10", -16}, ReadCase{"$7FFFFFFF", 2147483647}, ReadCase{"$80000000", 0}, ReadCase{"-$80000000", -2147483648LL},
    ReadCase{"$", 0}, ReadCase{"0x", 0}, ReadCase{"$G", 0}, ReadCase{"1F", 0}, ReadCase{"0x$1", 0}));

TEST(IntEditWrite, WritesTheFullNumber) {
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {{0, "0"}, {5, "5"}, {-12, "-12"}, {5000000000LL, "5000000000"},
                 {INT64_MIN, "-9223372036854775808"}, {INT64_MAX, "9223372036854775807"}};
    for (const auto& c : cases) EXPECT_EQ(termora::intedit::textOf(c.value), c.text);
}

TEST(IntEditWrite, NumbersBeyondThirtyTwoBitsReadBackAsZero) {
    EXPECT_EQ(termora::intedit::valueOf(termora::intedit::textOf(5000000000LL)), 0);
    EXPECT_EQ(termora::intedit::valueOf(termora::intedit::textOf(-2147483648LL)), -2147483648LL);
}

}  // namespace
