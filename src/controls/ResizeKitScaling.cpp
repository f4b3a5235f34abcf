#include "controls/ResizeKitScaling.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace termora::resizekit {

int roundScaled(long double value) {
    const long double shifted = std::trunc(value + 0.5L);
    if (std::isnan(shifted)) return 0;
    if (shifted >= static_cast<long double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (shifted <= static_cast<long double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(shifted);
}

AxisFactors resolutionFactors(const DesignMetrics& design, Resolution current) {
    AxisFactors k;
    if (current.dpiX > 0 && design.dpiX > 0) k.x = static_cast<double>(design.dpiX) / current.dpiX;
    if (current.dpiY > 0 && design.dpiY > 0) k.y = static_cast<double>(design.dpiY) / current.dpiY;
    return k;
}

AxisFactors loadLayoutFactors(AxisFactors resolution, WindowBorder border, Size formSize, bool maximized) {
    const bool keepsOwnSize = formSize.width == 0 && formSize.height == 0;
    if (border == WindowBorder::None && maximized) return resolution;
    if ((border == WindowBorder::None || border == WindowBorder::Dialog) && keepsOwnSize) return {};
    return resolution;
}

Bounds compensatedBounds(const Bounds& bounds, AxisFactors layout) {
    return {roundScaled(bounds.left / static_cast<long double>(layout.x)),
            roundScaled(bounds.top / static_cast<long double>(layout.y)),
            roundScaled(bounds.width / static_cast<long double>(layout.x)),
            roundScaled(bounds.height / static_cast<long double>(layout.y))};
}

std::optional<PassFactors> passFactors(Size client, const DesignMetrics& design, Resolution current) {
    if (!design.usable()) return std::nullopt;
    PassFactors f;
    if (current.dpiX != 0)
        f.xScale = static_cast<double>(client.width) / design.clientWidth * (static_cast<double>(design.dpiX) / current.dpiX);
    if (current.dpiY != 0)
        f.yScale = static_cast<double>(client.height) / design.clientHeight * (static_cast<double>(design.dpiY) / current.dpiY);
    f.fontScale = f.xScale > f.yScale ? f.yScale : f.xScale;
    return f;
}

namespace {

int atLeastOne(int value) { return value == 0 ? 1 : value; }

int scaled(int value, double factor) { return roundScaled(static_cast<long double>(value) * factor); }

int unscaled(int value, double factor) { return factor == 0.0 ? 0 : roundScaled(value / static_cast<long double>(factor)); }

}  // namespace

Bounds scaledBounds(const Bounds& reference, const PassFactors& factors) {
    return {atLeastOne(scaled(reference.left, factors.xScale)), atLeastOne(scaled(reference.top, factors.yScale)),
            atLeastOne(scaled(reference.width, factors.xScale)), atLeastOne(scaled(reference.height, factors.yScale))};
}

int scaledControlFontSize(int referenceSize, double fontScale) {
    return atLeastOne(static_cast<int>(std::trunc(referenceSize * fontScale)));
}

int scaledWindowFontSize(int referenceSize, double fontScale) {
    const int size = scaled(referenceSize, fontScale);
    return size < 1 ? 1 : size;
}

Bounds referenceOfAddedControl(const Bounds& current, const PassFactors& last) {
    return {unscaled(current.left, last.xScale), unscaled(current.top, last.yScale),
            unscaled(current.width, last.xScale), unscaled(current.height, last.yScale)};
}

std::optional<int> referenceFontSize(int currentSize, double fontScale) {
    if (fontScale == 0.0) return std::nullopt;
    return unscaled(currentSize, fontScale);
}

std::string addedControlName(int counter) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.4d", counter);
    return std::string("RKitAdd") + digits;
}

bool isBlankName(std::string_view name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

}  // namespace termora::resizekit
