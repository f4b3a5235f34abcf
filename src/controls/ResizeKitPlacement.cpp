#include "controls/ResizeKitPlacement.h"

#include <algorithm>
#include <array>
#include <functional>

namespace termora::resizekit {

std::optional<Rect> taskbarFromFreeArea(Size screen, const Rect& freeArea) {
    const int bottom = screen.height - freeArea.bottom;
    const int top = freeArea.top;
    const int left = freeArea.left;
    const int right = screen.width - freeArea.right;
    const std::array<std::pair<int, Rect>, 4> strips{{
        {bottom, {0, screen.height - bottom, screen.width, screen.height}},
        {top, {0, 0, screen.width, top}},
        {left, {0, 0, left, screen.height}},
        {right, {screen.width - right, 0, screen.width, screen.height}},
    }};
    const auto thickest = std::ranges::max_element(strips, std::ranges::less{}, [](const auto& s) { return s.first; });
    if (thickest->first <= 0) return std::nullopt;
    return thickest->second;
}

AvailableArea availableArea(Size screen, const std::optional<Rect>& taskbar, bool validTaskbar) {
    AvailableArea area{screen.width, screen.height, TaskbarEdge::None, {}};
    if (!taskbar) return area;

    Rect tb = *taskbar;
    tb.top = std::max(tb.top, 0);
    tb.left = std::max(tb.left, 0);
    tb.right = std::min(tb.right, area.width);
    tb.bottom = std::min(tb.bottom, area.height);
    if (tb.width() > tb.height())
        area.edge = tb.top > 0 ? TaskbarEdge::Bottom : TaskbarEdge::Top;
    else
        area.edge = tb.left > 0 ? TaskbarEdge::Right : TaskbarEdge::Left;
    area.taskbar = tb;

    if (validTaskbar) {
        if (area.edge == TaskbarEdge::Left || area.edge == TaskbarEdge::Right)
            area.width -= tb.width();
        else
            area.height -= tb.height();
    }
    return area;
}

AvailableArea availableAreaOnScreen(const Rect& screen, const Rect& freeArea, bool validTaskbar) {
    const Size size{screen.width(), screen.height()};
    const Rect local{freeArea.left - screen.left, freeArea.top - screen.top, freeArea.right - screen.left,
                     freeArea.bottom - screen.top};
    return availableArea(size, taskbarFromFreeArea(size, local), validTaskbar);
}

Size firstShowSize(Size current, const SizeSettings& settings, const AvailableArea& area) {
    Size size{current.width + 1, current.height + 1};
    if (settings.formWidth > 0 && settings.formHeight > 0) size = {settings.formWidth, settings.formHeight};
    return {std::min(size.width, area.width), std::min(size.height, area.height)};
}

namespace {

enum class Align { Keep, Start, Center, End };

struct Alignment {
    Align x;
    Align y;
};

Alignment alignmentOf(TResizeFormPos pos) {
    switch (pos) {
    case TResizeFormPos::rpDefault: return {Align::Keep, Align::Keep};
    case TResizeFormPos::rpTopLeft: return {Align::Start, Align::Start};
    case TResizeFormPos::rpTopCenter: return {Align::Center, Align::Start};
    case TResizeFormPos::rpTopRight: return {Align::End, Align::Start};
    case TResizeFormPos::rpMiddleLeft: return {Align::Start, Align::Center};
    case TResizeFormPos::rpMiddleCenter: return {Align::Center, Align::Center};
    case TResizeFormPos::rpMiddleRight: return {Align::End, Align::Center};
    case TResizeFormPos::rpBottomLeft: return {Align::Start, Align::End};
    case TResizeFormPos::rpBottomCenter: return {Align::Center, Align::End};
    case TResizeFormPos::rpBottomRight: return {Align::End, Align::End};
    }
    return {Align::Keep, Align::Keep};
}

// One coordinate: pulled back so the window ends inside the room, then
// aligned (integer division truncates toward zero), never negative.
int place(int current, int extent, int room, Align align) {
    int at = current + extent > room ? room - extent : current;
    switch (align) {
    case Align::Keep: break;
    case Align::Start: at = 0; break;
    case Align::Center: at = (room - extent) / 2; break;
    case Align::End: at = room - extent; break;
    }
    return std::max(at, 0);
}

}  // namespace

Point placement(Point current, Size outer, const AvailableArea& area, TResizeFormPos pos) {
    const Alignment align = alignmentOf(pos);
    Point at{place(current.x, outer.width, area.width, align.x), place(current.y, outer.height, area.height, align.y)};
    // The available area is counted from the screen's corner, so a panel at
    // the top or left would cover the window: keep the window beside it.
    if (area.edge == TaskbarEdge::Top) at.y = std::max(at.y, area.taskbar.bottom);
    if (area.edge == TaskbarEdge::Left) at.x = std::max(at.x, area.taskbar.right);
    return at;
}

Size maximumSize(const SizeSettings& settings, const AvailableArea& area) {
    Size size{area.width, area.height};
    if (settings.hasMaximum()) size = {settings.formMaxWidth, settings.formMaxHeight};
    return {std::min(size.width, area.width), std::min(size.height, area.height)};
}

Rect limitSizingRect(const Rect& proposed, const SizeSettings& settings) {
    Rect r = proposed;
    if (settings.hasMaximum()) {
        if (r.width() > settings.formMaxWidth) r.right = r.left + settings.formMaxWidth;
        if (r.height() > settings.formMaxHeight) r.bottom = r.top + settings.formMaxHeight;
    }
    if (settings.hasMinimum()) {
        if (r.width() < settings.formMinWidth) r.right = r.left + settings.formMinWidth;
        if (r.height() < settings.formMinHeight) r.bottom = r.top + settings.formMinHeight;
    }
    return r;
}

std::optional<Point> maximizedCorrection(const Rect& window, const SizeSettings& settings, const AvailableArea& area,
                                         bool validTaskbar) {
    if (!settings.hasMaximum()) return std::nullopt;
    int width = area.width;
    int height = area.height;
    if (validTaskbar && area.edge == TaskbarEdge::Top) height += area.taskbar.height();
    if (validTaskbar && area.edge == TaskbarEdge::Left) width += area.taskbar.width();

    if (window.bottom <= height && window.right <= width) return std::nullopt;
    Point at{window.left, window.top};
    if (window.bottom > height) at.y = height - window.height();
    if (window.right > width) at.x = width - window.width();
    return at;
}

}  // namespace termora::resizekit
