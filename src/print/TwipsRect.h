#pragma once
#include <QRect>

#include "core/Rounding.h"

// Dialog positions are designed in twips; widgets are placed at 15 twips per
// pixel (96 dpi), so a design position maps to one whole pixel.
inline int TwipsToPixels(int twips) {
    return RoundHalfEven(twips / 15.0);
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}
