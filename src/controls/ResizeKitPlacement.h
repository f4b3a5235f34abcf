#pragma once
// Where a window goes on the screen and how large it may get: the area the
// panel (taskbar) leaves free, the placement at first show, the size limits
// while the user sizes the window and the correction of a maximized window.
// All coordinates are relative to the screen's top-left corner.

#include "controls/ResizeKitGeometry.h"
#include "controls/ResizeKitSettings.h"

#include <optional>

namespace termora::resizekit {

enum class TaskbarEdge { None = -1, Top = 0, Left = 1, Right = 2, Bottom = 3 };

// The panel as the strip along the screen edge that the free area leaves
// out. With strips on several edges the thickest one counts (bottom, top,
// left, right on a tie); none when the whole screen is free.
std::optional<Rect> taskbarFromFreeArea(Size screen, const Rect& freeArea);

struct AvailableArea {
    int width = 0;   // AW
    int height = 0;  // AH
    TaskbarEdge edge = TaskbarEdge::None;
    Rect taskbar;  // TB, inside the screen
};

// The screen size less the panel's thickness on its edge when validTaskbar
// is set. A strip wider than tall lies at the bottom unless it starts at the
// top; a taller one lies at the right unless it starts at the left.
AvailableArea availableArea(Size screen, const std::optional<Rect>& taskbar, bool validTaskbar);

// The same for a screen and its free area in desktop coordinates (a screen
// need not start at 0, 0); the panel is what the free area leaves out.
AvailableArea availableAreaOnScreen(const Rect& screen, const Rect& freeArea, bool validTaskbar);

// The outer size at first show: the configured size when both values are
// set, else the current size grown by one pixel each way; never larger than
// the available area.
Size firstShowSize(Size current, const SizeSettings& settings, const AvailableArea& area);

// The top-left corner for a window of the given outer size: pulled back
// inside the available area, placed by pos, never negative and never under a
// panel at the top or left edge.
Point placement(Point current, Size outer, const AvailableArea& area, TResizeFormPos pos);

// The largest outer size: the maximum settings when both are set, else the
// available area, and never more than the available area.
Size maximumSize(const SizeSettings& settings, const AvailableArea& area);

// A rectangle proposed while the user sizes the window, kept within the
// maximum and minimum settings. The right and bottom edges move, whichever
// edge is dragged.
Rect limitSizingRect(const Rect& proposed, const SizeSettings& settings);

// The new top-left corner of a maximized window (with both maximum settings)
// whose right or bottom edge overhangs the screen area; none when it fits.
std::optional<Point> maximizedCorrection(const Rect& window, const SizeSettings& settings, const AvailableArea& area,
                                         bool validTaskbar);

}  // namespace termora::resizekit
