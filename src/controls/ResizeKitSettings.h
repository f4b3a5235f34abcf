#pragma once
// The kit's placement choice and its six size settings (outer sizes in
// pixels; 0 switches a setting off).

namespace termora::resizekit {

// Where the window goes when it is first shown.
enum class TResizeFormPos {
    rpDefault,  // keep the window where it is
    rpTopLeft,
    rpTopCenter,
    rpTopRight,
    rpMiddleLeft,
    rpMiddleCenter,
    rpMiddleRight,
    rpBottomLeft,
    rpBottomCenter,
    rpBottomRight,
};

struct SizeSettings {
    int formWidth = 0;  // outer size given at first show; 0: the window's own
    int formHeight = 0;
    int formMaxWidth = 0;
    int formMaxHeight = 0;
    int formMinWidth = 0;
    int formMinHeight = 0;

    // Each limit pair applies only while both of its values are set.
    bool hasMaximum() const { return formMaxWidth > 0 && formMaxHeight > 0; }
    bool hasMinimum() const { return formMinWidth > 0 && formMinHeight > 0; }
};

}  // namespace termora::resizekit
