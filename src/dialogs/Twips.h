#pragma once
#include <QRect>

#include "core/Rounding.h"

// The forms are laid out in twips, as their designers measured them; the
// screen shows 15 twips per pixel (96 dpi logical).
constexpr int TwipsPerPixel = 15;

inline int PixelsFromTwips(double twips) {
    return RoundHalfEven(twips / TwipsPerPixel);
}

// A control's place: left, top, width and height in twips.
inline QRect RectFromTwips(int left, int top, int width, int height) {
    return QRect(PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width),
                 PixelsFromTwips(height));
}
