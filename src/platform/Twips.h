#pragma once
#include <QRect>

#include "core/Rounding.h"

namespace Tabulon {

// Every position and size of the windows is kept in twips, as the page is and
// as the forms were designed; the screen shows 15 twips per pixel (96 dpi
// logical).
inline constexpr int TwipsPerPixel = 15;

// The nearest whole pixel (halves to even).
inline int PixelsFromTwips(double twips) {
    return RoundHalfEven(twips / TwipsPerPixel);
}

inline double TwipsFromPixels(double pixels) {
    return pixels * TwipsPerPixel;
}

// A control's place: left, top, width and height in twips.
inline QRect RectFromTwips(int left, int top, int width, int height) {
    return QRect(PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width),
                 PixelsFromTwips(height));
}

}  // namespace Tabulon
