#pragma once

#include <windows.h>

// A colour: an RGB value, or one of the sixteen standard colours.
class WColor {
public:
    WColor(int red, int green, int blue) : rgb_(RGB(red, green, blue)) {}
    explicit WColor(int standardIndex) : rgb_(StandardColor(standardIndex)) {}

    COLORREF GetRGB() const { return rgb_; }
    // Index 0..15 of the standard table; out-of-range indices give black.
    static COLORREF StandardColor(int index);

private:
    COLORREF rgb_;
};
