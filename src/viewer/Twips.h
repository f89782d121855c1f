#pragma once
#include <cstdint>

// Every position and size of the window is kept in twips, as the page is; the
// screen shows 15 twips per pixel (96 dpi).
inline constexpr int TwipsPerPixel = 15;

// The nearest whole pixel (halves to even).
int PixelsFromTwips(double twips);
inline double TwipsFromPixels(double pixels) {
    return pixels * TwipsPerPixel;
}
