#include "controls/ResizeKitPlacement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace termora::resizekit {

std::ostream& operator<<(std::ostream& out, const Point& p) { return out << "(" << p.x << ", " << p.y << ")"; }
std::ostream& operator<<(std::ostream& out, const Size& s) { return out << s.width << " x " << s.height; }
std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

constexpr Size kScreen{1024, 768};
constexpr Rect kBottomPanel{0, 728, 1024, 768};
constexpr Rect kTopPanel{0, 0, 1024, 40};
constexpr Rect kLeftPanel{0, 0, 48, 768};
constexpr Rect kRightPanel{976, 0, 1024, 768};

TEST(AvailableArea, PanelFromTheFreeArea) {
    const struct {
        const char* name;
        Rect freeArea;
        std::optional<Rect> panel;
    } cases[] = {
        {"bottom", {0, 0, 1024, 728}, kBottomPanel},
        {"top", {0, 40, 1024, 768}, kTopPanel},
        {"left", {48, 0, 1024, 768}, kLeftPanel},
        {"right", {0, 0, 976, 768}, kRightPanel},
        {"none", {0, 0, 1024, 768}, std::nullopt},
        {"the thickest of two", {48, 32, 1024, 768}, kLeftPanel},
        {"a tie goes to the bottom", {0, 40, 1024, 728}, kBottomPanel},
    };
    for (const auto& c : cases) EXPECT_EQ(taskbarFromFreeArea(kScreen, c.freeArea), c.panel) << c.name;
}

TEST(AvailableArea, TaskbarEdgeRules) {
    const struct {
        const char* name;
        std::optional<Rect> panel;
        bool validTaskbar;
        Size available;
        TaskbarEdge edge;
        Rect taskbar;
    } cases[] = {
        {"bottom", kBottomPanel, true, {1024, 728}, TaskbarEdge::Bottom, kBottomPanel},
        {"bottom, panel not taken out", kBottomPanel, false, {1024, 768}, TaskbarEdge::Bottom, kBottomPanel},
        {"top", kTopPanel, true, {1024, 728}, TaskbarEdge::Top, kTopPanel},
        {"left", kLeftPanel, true, {976, 768}, TaskbarEdge::Left, kLeftPanel},
        {"right", kRightPanel, true, {976, 768}, TaskbarEdge::Right, kRightPanel},
        {"none", std::nullopt, true, {1024, 768}, TaskbarEdge::None, {}},
        {"clipped to the screen", Rect{-2, 730, 1030, 770}, true, {1024, 730}, TaskbarEdge::Bottom, {0, 730, 1024, 768}},
    };
    for (const auto& c : cases) {
        const AvailableArea area = availableArea(kScreen, c.panel, c.validTaskbar);
        EXPECT_EQ((Size{area.width, area.height}), c.available) << c.name;
        EXPECT_EQ(area.edge, c.edge) << c.name;
        EXPECT_EQ(area.taskbar, c.taskbar) << c.name;
    }
}

TEST(AvailableArea, ScreenAwayFromTheDesktopOrigin) {
    // A second screen to the right of a 1920 pixel one, with a panel at its top.
    const AvailableArea area = availableAreaOnScreen({1920, 0, 2944, 768}, {1920, 32, 2944, 768}, true);
    EXPECT_EQ((Size{area.width, area.height}), (Size{1024, 736}));
    EXPECT_EQ(area.edge, TaskbarEdge::Top);
    EXPECT_EQ(area.taskbar, (Rect{0, 0, 1024, 32}));
}

TEST(Placement, EveryFormPosOnAScreenWithABottomPanel) {
    const AvailableArea area = availableArea(kScreen, kBottomPanel, true);
    const Size outer{761, 661};
    const struct {
        TResizeFormPos pos;
        Point current;
        Point expected;
    } cases[] = {
        {TResizeFormPos::rpDefault, {10, 20}, {10, 20}},
        {TResizeFormPos::rpDefault, {500, 300}, {263, 67}},  // pulled back inside
        {TResizeFormPos::rpTopLeft, {10, 20}, {0, 0}},
        {TResizeFormPos::rpTopCenter, {10, 20}, {131, 0}},
        {TResizeFormPos::rpTopRight, {10, 20}, {263, 0}},
        {TResizeFormPos::rpMiddleLeft, {10, 20}, {0, 33}},
        {TResizeFormPos::rpMiddleCenter, {10, 20}, {131, 33}},
        {TResizeFormPos::rpMiddleRight, {10, 20}, {263, 33}},
        {TResizeFormPos::rpBottomLeft, {10, 20}, {0, 67}},
        {TResizeFormPos::rpBottomCenter, {10, 20}, {131, 67}},
        {TResizeFormPos::rpBottomRight, {10, 20}, {263, 67}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placement(c.current, outer, area, c.pos), c.expected) << static_cast<int>(c.pos) << " from " << c.current;
}

TEST(Placement, EdgesAndPanels) {
    const struct {
        const char* name;
        std::optional<Rect> panel;
        TResizeFormPos pos;
        Size outer;
        Point current;
        Point expected;
    } cases[] = {
        {"larger than the area", kBottomPanel, TResizeFormPos::rpDefault, {1100, 800}, {10, 10}, {0, 0}},
        {"centred but larger", kBottomPanel, TResizeFormPos::rpMiddleCenter, {1100, 800}, {10, 10}, {0, 0}},
        {"off the screen's top left", kBottomPanel, TResizeFormPos::rpDefault, {761, 661}, {-30, -5}, {0, 0}},
        {"beside a top panel", kTopPanel, TResizeFormPos::rpMiddleCenter, {761, 661}, {0, 0}, {131, 40}},
        {"top left with a top panel", kTopPanel, TResizeFormPos::rpTopLeft, {761, 661}, {0, 0}, {0, 40}},
        {"clear of a top panel", kTopPanel, TResizeFormPos::rpBottomLeft, {761, 661}, {0, 0}, {0, 67}},
        {"beside a left panel", kLeftPanel, TResizeFormPos::rpTopLeft, {761, 661}, {0, 0}, {48, 0}},
        {"clear of a left panel", kLeftPanel, TResizeFormPos::rpMiddleCenter, {761, 661}, {0, 0}, {107, 53}},
        {"right panel", kRightPanel, TResizeFormPos::rpTopRight, {761, 661}, {0, 0}, {215, 0}},
        {"no panel", std::nullopt, TResizeFormPos::rpBottomRight, {761, 661}, {0, 0}, {263, 107}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placement(c.current, c.outer, availableArea(kScreen, c.panel, true), c.pos), c.expected) << c.name;
}

TEST(FirstShow, SizeFromTheSettingsOrTheWindow) {
    const AvailableArea area = availableArea(kScreen, kBottomPanel, true);
    const struct {
        const char* name;
        Size form;
        Size current;
        Size expected;
    } cases[] = {
        {"configured", {761, 661}, {600, 400}, {761, 661}},
        {"own size grown by one", {0, 0}, {600, 400}, {601, 401}},
        {"only a width set", {761, 0}, {600, 400}, {601, 401}},
        {"limited to the area", {1200, 900}, {600, 400}, {1024, 728}},
        {"own size limited", {0, 0}, {1024, 728}, {1024, 728}},
    };
    for (const auto& c : cases) {
        SizeSettings settings;
        settings.formWidth = c.form.width;
        settings.formHeight = c.form.height;
        EXPECT_EQ(firstShowSize(c.current, settings, area), c.expected) << c.name;
    }
}

TEST(SizeLimits, MaximumSize) {
    const AvailableArea area = availableArea(kScreen, kBottomPanel, true);
    const struct {
        int maxWidth;
        int maxHeight;
        Size expected;
    } cases[] = {{0, 0, {1024, 728}}, {800, 600, {800, 600}}, {2000, 600, {1024, 600}}, {800, 0, {1024, 728}}};
    for (const auto& c : cases) {
        SizeSettings settings;
        settings.formMaxWidth = c.maxWidth;
        settings.formMaxHeight = c.maxHeight;
        EXPECT_EQ(maximumSize(settings, area), c.expected) << c.maxWidth << " x " << c.maxHeight;
    }
}

TEST(SizeLimits, SizingMovesTheRightAndBottomEdges) {
    SizeSettings minOnly;
    minOnly.formMinWidth = 550;
    minOnly.formMinHeight = 550;
    SizeSettings both = minOnly;
    both.formMaxWidth = 800;
    both.formMaxHeight = 700;
    SizeSettings halfMin;
    halfMin.formMinWidth = 550;

    const struct {
        const char* name;
        SizeSettings settings;
        Rect proposed;
        Rect expected;
    } cases[] = {
        {"left edge dragged to 400 wide", minOnly, {300, 50, 700, 700}, {300, 50, 850, 700}},
        {"top edge dragged to 400 high", minOnly, {0, 250, 600, 650}, {0, 250, 600, 800}},
        {"within the limits", both, {0, 0, 700, 600}, {0, 0, 700, 600}},
        {"too large", both, {100, 10, 1000, 760}, {100, 10, 900, 710}},
        {"no maximum when only the minimum is set", minOnly, {0, 0, 2000, 1500}, {0, 0, 2000, 1500}},
        {"a minimum needs both values", halfMin, {0, 0, 100, 100}, {0, 0, 100, 100}},
    };
    for (const auto& c : cases) EXPECT_EQ(limitSizingRect(c.proposed, c.settings), c.expected) << c.name;
}

TEST(SizeLimits, MaximizedCorrection) {
    SizeSettings limited;
    limited.formMaxWidth = 800;
    limited.formMaxHeight = 600;
    const struct {
        const char* name;
        SizeSettings settings;
        std::optional<Rect> panel;
        Rect window;
        std::optional<Point> expected;
    } cases[] = {
        {"fits", limited, kBottomPanel, {100, 100, 900, 700}, std::nullopt},
        {"overhangs right and bottom", limited, kBottomPanel, {300, 200, 1100, 800}, Point{224, 128}},
        {"overhangs the bottom only", limited, kBottomPanel, {100, 200, 900, 800}, Point{100, 128}},
        {"a top panel gives its height back", limited, kTopPanel, {0, 160, 800, 760}, std::nullopt},
        {"a left panel gives its width back", limited, kLeftPanel, {220, 0, 1020, 600}, std::nullopt},
        {"beyond the screen with a left panel", limited, kLeftPanel, {300, 0, 1100, 600}, Point{224, 0}},
        {"no maximum settings", SizeSettings{}, kBottomPanel, {300, 200, 1100, 800}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(maximizedCorrection(c.window, c.settings, availableArea(kScreen, c.panel, true), true), c.expected)
            << c.name;
}

}  // namespace
}  // namespace termora::resizekit
