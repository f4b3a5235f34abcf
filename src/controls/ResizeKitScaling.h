#pragma once
// The arithmetic of the form scaling kit: resolution compensation when a
// window is loaded, the factors of a scaling pass and the bounds and font
// sizes it gives each control.

#include "controls/ResizeKitGeometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace termora::resizekit {

// A scaled pixel or point value: add 0.5, then truncate toward zero, so 2.5
// gives 3 and -4.5 gives -4. Values beyond the int range are clamped.
int roundScaled(long double value);

// The client size and resolution a window was designed at.
struct DesignMetrics {
    int clientWidth = 0;
    int clientHeight = 0;
    int dpiX = 96;
    int dpiY = 96;
    // A zero design value would divide by zero: such a window stays unscaled.
    bool usable() const { return clientWidth > 0 && clientHeight > 0 && dpiX > 0 && dpiY > 0; }
};

struct Resolution {
    int dpiX = 96;
    int dpiY = 96;
};

struct AxisFactors {
    double x = 1.0;
    double y = 1.0;
    friend bool operator==(const AxisFactors&, const AxisFactors&) = default;
};

// kx = design dpi / current dpi per axis; an axis whose current resolution is
// unknown (0) keeps 1.
AxisFactors resolutionFactors(const DesignMetrics& design, Resolution current);

enum class WindowBorder { Sizeable, None, Dialog };

// The factors the load step divides the control bounds by: the resolution
// factors, except (1, 1) for a borderless or dialog window that keeps its own
// size (form width and height 0), unless a borderless window is maximized.
AxisFactors loadLayoutFactors(AxisFactors resolution, WindowBorder border, Size formSize, bool maximized);

// Left / fx, Top / fy, Width / fx, Height / fy, each rounded.
Bounds compensatedBounds(const Bounds& bounds, AxisFactors layout);

struct PassFactors {
    double xScale = 1.0;
    double yScale = 1.0;
    double fontScale = 1.0;
    friend bool operator==(const PassFactors&, const PassFactors&) = default;
};

// The factors of a scaling pass for a new client size; none for a window
// without usable design metrics.
std::optional<PassFactors> passFactors(Size client, const DesignMetrics& design, Resolution current);

// A control's bounds in a pass, from its reference bounds. A value that
// comes out 0 becomes 1, so a control at the left or top edge ends one pixel
// inside.
Bounds scaledBounds(const Bounds& reference, const PassFactors& factors);

// A control's font: the reference size times the font scale, truncated; 0
// becomes 1.
int scaledControlFontSize(int referenceSize, double fontScale);

// The window's own font: the reference size times the font scale, rounded,
// and never below 1 point (a font cannot be smaller).
int scaledWindowFontSize(int referenceSize, double fontScale);

// The reference bounds of a control that appears after a pass: its bounds
// divided by the last pass's factors. A field whose factor is 0 stays 0.
Bounds referenceOfAddedControl(const Bounds& current, const PassFactors& last);

// The reference size of a font that was set at the last font scale; none
// when that scale is 0.
std::optional<int> referenceFontSize(int currentSize, double fontScale);

// "RKitAdd" followed by the counter with at least four digits.
std::string addedControlName(int counter);

// True for a name that is empty or only blanks and control characters.
bool isBlankName(std::string_view name);

}  // namespace termora::resizekit
