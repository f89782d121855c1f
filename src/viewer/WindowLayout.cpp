#include "viewer/WindowLayout.h"

#include "core/Rounding.h"

namespace Tabulon {

namespace {
// An assignment of a size below zero is refused, as the toolkit would.
void SetSize(int32_t& size, int64_t value) {
    if (value >= 0 && value <= INT32_MAX) size = static_cast<int32_t>(value);
}
}  // namespace

void WindowLayout::LayOut(int32_t outerWidth, int32_t outerHeight) {
    Zemin.top = 550;
    Zemin.left = 100;
    SetSize(Zemin.width, int64_t{outerWidth} - 350);
    SetSize(Zemin.height, int64_t{outerHeight} - 1500);

    SetSize(HScroll.width, int64_t{Zemin.width} - 310);
    HScroll.left = 0;
    // The horizontal bar sits 320 twips up, the vertical one 310 in: the bars
    // overlap by ten twips in the corner, as they always have.
    HScroll.top = Zemin.height - 320;

    VScroll.left = Zemin.width - 310;
    VScroll.top = 0;
    SetSize(VScroll.height, int64_t{Zemin.height} - 310);

    Canvas.top = 500;
    Canvas.left = 200;
    Cetvel.top = Canvas.top - 210;
    Cetvel.left = Canvas.left;

    Line1X1 = Zemin.left;
    Line1X2 = Zemin.width;
}

void WindowLayout::FitCanvas(float zoomFactor, int32_t pageSizeX, int32_t pageSizeY) {
    SetSize(Canvas.width, RoundHalfEven(25000.0f * zoomFactor));
    SetSize(Canvas.height, RoundHalfEven(static_cast<float>(pageSizeY) * zoomFactor));
    Cetvel.top = Canvas.top - 210;
    Cetvel.left = Canvas.left;
    Cetvel.width = Canvas.width;
    Cetvel.height = 200;
    Line3X = RoundHalfEven(zoomFactor * static_cast<float>(pageSizeX));
    Line3Y2 = Canvas.height;
}

void WindowLayout::ScrollHorizontally(int32_t value) {
    Canvas.left = static_cast<int16_t>(200 - value);
    Cetvel.left = static_cast<int16_t>(200 - value);
}

void WindowLayout::ScrollVertically(int32_t value) {
    Canvas.top = static_cast<int16_t>(400 - value);
    Cetvel.top = Canvas.top - 210;
}

int32_t ScrollMaximum(double canvasExtent, int32_t deskExtent) {
    const int32_t maximum = RoundHalfEven(canvasExtent + 1000.0 - deskExtent);
    if (maximum < 0) return 0;
    return maximum > INT16_MAX ? INT16_MAX : maximum;
}

}  // namespace Tabulon
