#pragma once
#include <cstdint>

namespace Tabulon {

// A control's place in twips, relative to its parent.
struct TwipsRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// The places of the desk area, the scroll bars, the page canvas, the ruler and
// the two fixed lines. Sizes the toolkit would refuse (below zero) are not
// taken: the control keeps its last valid size, so a window made very small
// leaves the desk as it was.
struct WindowLayout {
    TwipsRect Zemin{100, 550, 0, 0};
    // The bars are as thick as the room the layout leaves them, so they reach
    // the desk's edges.
    TwipsRect HScroll{0, 0, 0, 320};
    TwipsRect VScroll{0, 0, 310, 0};
    TwipsRect Canvas{200, 500, 25000, 16838};
    TwipsRect Cetvel{200, 290, 25000, 200};
    int32_t Line1X1 = 0, Line1X2 = 0;  // along y = 0 of the client area
    int32_t Line3X = 0;                // the paper's right edge on the canvas
    int32_t Line3Y2 = 0;

    // The desk and both bars follow the window's outer size.
    void LayOut(int32_t outerWidth, int32_t outerHeight);
    // The canvas's size for the zoom and the page height; the ruler above it.
    void FitCanvas(float zoomFactor, int32_t pageSizeX, int32_t pageSizeY);
    // The page moved by the scroll values.
    void ScrollHorizontally(int32_t value);
    void ScrollVertically(int32_t value);
};

// How far a scroll bar may move the page along one axis: the canvas extent and
// 1000 twips of slack beyond the desk's extent, never below 0.
int32_t ScrollMaximum(double canvasExtent, int32_t deskExtent);

}  // namespace Tabulon
