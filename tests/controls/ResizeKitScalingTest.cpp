#include "controls/ResizeKitNames.h"
#include "controls/ResizeKitScaling.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace termora::resizekit {

std::ostream& operator<<(std::ostream& out, const Bounds& b) {
    return out << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}

namespace {

TEST(RoundScaled, AddsAHalfAndTruncatesTowardZero) {
    const struct {
        long double value;
        int expected;
    } cases[] = {
        {2.5L, 3}, {2.49L, 2}, {-4.5L, -4}, {-5.0L, -4}, {-5.6L, -5}, {0.49L, 0}, {-0.5L, 0}, {211.25L, 211},
        {1e12L, std::numeric_limits<int>::max()}, {-1e12L, std::numeric_limits<int>::min()},
    };
    for (const auto& c : cases) EXPECT_EQ(roundScaled(c.value), c.expected) << static_cast<double>(c.value);
}

TEST(LoadStep, ResolutionFactorsAndLayoutFactors) {
    const DesignMetrics design{745, 623, 96, 96};
    EXPECT_EQ(resolutionFactors(design, {96, 96}), (AxisFactors{1.0, 1.0}));
    EXPECT_EQ(resolutionFactors(design, {120, 144}), (AxisFactors{0.8, 96.0 / 144}));
    EXPECT_EQ(resolutionFactors(design, {0, 120}), (AxisFactors{1.0, 0.8})) << "unknown resolution keeps its axis";
    EXPECT_EQ(resolutionFactors({745, 623, 0, 96}, {120, 120}), (AxisFactors{1.0, 0.8})) << "no division by zero";

    const AxisFactors k{0.8, 0.8};
    const AxisFactors one{};
    const struct {
        const char* name;
        WindowBorder border;
        Size form;
        bool maximized;
        AxisFactors expected;
    } cases[] = {
        {"sizeable window", WindowBorder::Sizeable, {0, 0}, false, k},
        {"borderless keeping its size", WindowBorder::None, {0, 0}, false, one},
        {"dialog keeping its size", WindowBorder::Dialog, {0, 0}, false, one},
        {"dialog with a configured size", WindowBorder::Dialog, {761, 661}, false, k},
        {"borderless with only a width", WindowBorder::None, {761, 0}, false, k},
        {"borderless maximized", WindowBorder::None, {0, 0}, true, k},
        {"dialog maximized", WindowBorder::Dialog, {0, 0}, true, one},
    };
    for (const auto& c : cases) EXPECT_EQ(loadLayoutFactors(k, c.border, c.form, c.maximized), c.expected) << c.name;
}

TEST(LoadStep, CompensatesBounds) {
    const struct {
        Bounds bounds;
        AxisFactors layout;
        Bounds expected;
    } cases[] = {
        {{169, 12, 100, 21}, {0.8, 0.8}, {211, 15, 125, 26}},  // 120 dpi on a 96 dpi design
        {{169, 10, 100, 21}, {1.0, 1.0}, {169, 10, 100, 21}},
        {{-5, -1, 0, 0}, {1.0, 1.0}, {-4, 0, 0, 0}},  // negatives move toward 0
        {{10, 10, 10, 10}, {2.0, 0.5}, {5, 20, 5, 20}},
    };
    for (const auto& c : cases) EXPECT_EQ(compensatedBounds(c.bounds, c.layout), c.expected) << c.bounds;
}

TEST(ScalingPass, Factors) {
    const DesignMetrics design{745, 623, 96, 96};
    const struct {
        const char* name;
        Size client;
        Resolution current;
        PassFactors expected;
    } cases[] = {
        {"design size", {745, 623}, {96, 96}, {1.0, 1.0, 1.0}},
        {"double width", {1490, 623}, {96, 96}, {2.0, 1.0, 1.0}},
        {"double height", {745, 1246}, {96, 96}, {1.0, 2.0, 1.0}},
        {"wider and lower", {1490, 311}, {96, 96}, {2.0, 311.0 / 623, 311.0 / 623}},
        {"120 dpi at design pixels", {745, 623}, {120, 120}, {0.8, 0.8, 0.8}},
        {"120 dpi at compensated pixels", {931, 623}, {120, 96}, {931.0 / 745 * 0.8, 1.0, 931.0 / 745 * 0.8}},
        {"unknown resolution keeps its axis unscaled", {1490, 1246}, {0, 96}, {1.0, 2.0, 1.0}},
    };
    for (const auto& c : cases) {
        const auto factors = passFactors(c.client, design, c.current);
        ASSERT_TRUE(factors) << c.name;
        EXPECT_DOUBLE_EQ(factors->xScale, c.expected.xScale) << c.name;
        EXPECT_DOUBLE_EQ(factors->yScale, c.expected.yScale) << c.name;
        EXPECT_DOUBLE_EQ(factors->fontScale, c.expected.fontScale) << c.name;
    }
}

TEST(ScalingPass, WithoutDesignMetricsTheWindowStaysUnscaled) {
    for (const DesignMetrics& design : {DesignMetrics{0, 623, 96, 96}, DesignMetrics{745, 0, 96, 96},
                                        DesignMetrics{745, 623, 0, 96}, DesignMetrics{745, 623, 96, 0}})
        EXPECT_FALSE(passFactors({800, 600}, design, {96, 96}));
}

TEST(ScalingPass, BoundsFromTheReference) {
    const struct {
        const char* name;
        Bounds reference;
        PassFactors factors;
        Bounds expected;
    } cases[] = {
        {"design size restores the reference", {20, 15, 32, 32}, {1, 1, 1}, {20, 15, 32, 32}},
        {"an edge control ends one pixel inside", {0, 0, 750, 60}, {1, 1, 1}, {1, 1, 750, 60}},
        {"double width", {20, 15, 32, 32}, {2, 1, 1}, {40, 15, 64, 32}},
        {"rounding", {5, 5, 3, 1}, {1.5, 0.5, 0.5}, {8, 3, 5, 1}},
        {"tiny scale gives 1, not 0", {3, 4, 4, 2}, {0.1, 0.1, 0.1}, {1, 1, 1, 1}},
        {"negative position", {-5, -9, 10, 10}, {1, 2, 1}, {-4, -17, 10, 20}},
    };
    for (const auto& c : cases) EXPECT_EQ(scaledBounds(c.reference, c.factors), c.expected) << c.name;
}

TEST(ScalingPass, FontSizes) {
    const struct {
        int reference;
        double scale;
        int control;
        int window;
    } cases[] = {
        {8, 1.0, 8, 8}, {8, 1.25, 10, 10}, {9, 0.95, 8, 9},  // control truncates, window rounds
        {8, 0.1, 1, 1},                                     // 0.8: truncation gives 0, which becomes 1
        {8, 0.05, 1, 1},                                    // 0.4 rounds to 0: no font is smaller than 1 point
        {8, 2.0, 16, 16},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scaledControlFontSize(c.reference, c.scale), c.control) << c.reference << " x " << c.scale;
        EXPECT_EQ(scaledWindowFontSize(c.reference, c.scale), c.window) << c.reference << " x " << c.scale;
    }
}

TEST(RecordSynchronisation, ReferenceOfAControlAddedAfterAPass) {
    const struct {
        const char* name;
        Bounds current;
        PassFactors last;
        Bounds expected;
    } cases[] = {
        {"unscaled", {20, 30, 60, 40}, {1, 1, 1}, {20, 30, 60, 40}},
        {"double width", {20, 30, 60, 40}, {2, 1, 1}, {10, 30, 30, 40}},
        {"rounding", {21, 31, 61, 41}, {2, 2, 2}, {11, 16, 31, 21}},
        {"zero factor leaves the field 0", {20, 30, 60, 40}, {0, 1, 0}, {0, 30, 0, 40}},
    };
    for (const auto& c : cases) EXPECT_EQ(referenceOfAddedControl(c.current, c.last), c.expected) << c.name;

    EXPECT_EQ(referenceFontSize(10, 1.25), 8);
    EXPECT_EQ(referenceFontSize(9, 2.0), 5);
    EXPECT_EQ(referenceFontSize(9, 0.0), std::nullopt);
}

TEST(RecordSynchronisation, NamesForUnnamedControls) {
    EXPECT_EQ(addedControlName(1), "RKitAdd0001");
    EXPECT_EQ(addedControlName(123), "RKitAdd0123");
    EXPECT_EQ(addedControlName(12345), "RKitAdd12345");

    for (const char* blank : {"", " ", "  \t "}) EXPECT_TRUE(isBlankName(blank)) << '"' << blank << '"';
    for (const char* named : {"a", " Grid", "RKitAdd0001"}) EXPECT_FALSE(isBlankName(named)) << named;
}

TEST(NameList, SplitsAtSemicolons) {
    const struct {
        const char* text;
        std::vector<std::string> names;
    } cases[] = {
        {"", {}},
        {"Grid", {"Grid"}},
        {"Grid;SAL", {"Grid", "SAL"}},
        {"Grid;;SAL", {"Grid", "", "SAL"}},
        {"Grid;SAL;", {"Grid", "SAL"}},
        {";", {""}},
        {"Grid; SAL ", {"Grid", " SAL "}},
    };
    for (const auto& c : cases) EXPECT_EQ(NameList(c.text).names(), c.names) << c.text;
}

TEST(NameList, LookupIgnoresCaseButNotBlanks) {
    const NameList list("Grid;;SAL; Kep");
    EXPECT_TRUE(list.contains("Grid"));
    EXPECT_TRUE(list.contains("grid"));
    EXPECT_TRUE(list.contains("sal"));
    EXPECT_TRUE(list.contains("")) << "the empty piece between two semicolons";
    EXPECT_FALSE(list.contains("Kep")) << "written with a leading blank";
    EXPECT_TRUE(list.contains(" kep"));
    EXPECT_FALSE(list.contains("Gri"));
    EXPECT_FALSE(NameList("").contains(""));
}

}  // namespace
}  // namespace termora::resizekit
