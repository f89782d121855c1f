#include "viewer/Twips.h"

#include "core/Rounding.h"

int PixelsFromTwips(double twips) {
    return RoundHalfEven(twips / TwipsPerPixel);
}
