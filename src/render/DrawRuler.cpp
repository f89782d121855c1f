#include "render/DrawRuler.h"

#include <algorithm>

#include "core/Rounding.h"

namespace Tabulon {

namespace {

constexpr uint32_t Transparent = 0x00000000;
constexpr uint32_t Outline = 0xFF000000;
constexpr uint32_t DarkRed = 0xFF660000;    // RGB 102, 0, 0
constexpr uint32_t BrightRed = 0xFF990000;  // RGB 153, 0, 0

// A 21 x 12 marker: a downward triangle whose top edge spans pixels 1..11 of
// row 4 and whose tip is pixel 6 of row 9, so at 15 twips per pixel the tip
// lies 90 twips right of the picture's left edge.
Picture Marker(bool filled) {
    constexpr int Width = 21, Height = 12;
    Picture p{Width, Height, std::vector<uint32_t>(size_t{Width} * Height, Transparent)};
    auto set = [&p](int x, int y, uint32_t colour) { p.pixels[p.Index(x, y)] = colour; };
    constexpr int Tip = 6, Top = 4, Bottom = 9;
    for (int y = Top; y <= Bottom; ++y) {
        const int half = Bottom - y;
        for (int x = Tip - half; x <= Tip + half; ++x) {
            const bool edge = y == Top || x == Tip - half || x == Tip + half;
            if (edge)
                set(x, y, Outline);
            else if (filled)
                set(x, y, (x + y) % 2 == 0 ? DarkRed : BrightRed);
        }
    }
    return p;
}

}  // namespace

const Picture& NormalMarker() {
    static const Picture marker = Marker(false);
    return marker;
}

const Picture& HighlightedMarker() {
    static const Picture marker = Marker(true);
    return marker;
}

void DrawRuler(DrawingTarget& t, Rgb backColour, const RulerView& view, int highlight) {
    const double zoom = view.zoom;
    t.SetScale(1.0);
    t.Box(0, 0, t.Width(), t.Height(), backColour, true);
    double p = RoundHalfEven(zoom * view.metrics.LeftMargin);
    const int columns = std::clamp<int>(view.fieldCount, 0, ReportLayout::DescribedColumns);
    const ColumnFlags fits = view.Fits();
    for (int i = 1; i <= columns; ++i) {
        if (!fits[i]) continue;
        const double width =
            zoom * static_cast<double>(ClampToInt32(static_cast<int64_t>(view.widths[i]) *
                                                    static_cast<int64_t>(view.metrics.CharWidth)));
        const double x = width + p - 120;
        t.PSet(x, 0, White);
        t.PaintPicture(i == highlight ? HighlightedMarker() : NormalMarker(), x, 0);
        p = RoundHalfEven(width + p);
    }
}

}  // namespace Tabulon
