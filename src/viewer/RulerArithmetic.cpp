#include "viewer/RulerArithmetic.h"

#include <algorithm>

#include "core/Rounding.h"

namespace Tabulon {

std::vector<ColumnBoundary> ColumnBoundaries(const RulerView& view) {
    std::vector<ColumnBoundary> boundaries;
    const float zoom = view.zoom;
    float position = zoom * static_cast<float>(view.metrics.LeftMargin);
    // Columns past the fifty the page lays out never get a marker.
    const int last = std::min<int>(view.fieldCount, ReportLayout::DescribedColumns);
    const ColumnFlags fits = view.Fits();
    for (int i = 1; i <= last; ++i) {
        if (!fits[static_cast<size_t>(i)]) continue;
        const int32_t widthTwips =
            int32_t{view.widths[static_cast<size_t>(i)]} * view.metrics.CharWidth;
        position += zoom * static_cast<float>(widthTwips);
        boundaries.push_back({i, position});
    }
    return boundaries;
}

int HitColumn(const std::vector<ColumnBoundary>& boundaries, float x) {
    int selected = 0;
    for (const ColumnBoundary& boundary : boundaries) {
        if (boundary.x - 90.0f < x && x < boundary.x + 10.0f) selected = boundary.column;
    }
    return selected;
}

int16_t DragDeltaFor(float pointerX, float dragStartX, int32_t charWidth) {
    const int32_t distance = RoundHalfEven(pointerX - dragStartX);
    if (charWidth == 0) return 0;
    return ClampToInt16(RoundHalfEven(static_cast<double>(distance) / charWidth));
}

int16_t DraggedWidth(int16_t width, int16_t dragDelta, float zoomFactor) {
    const float widened = static_cast<float>(dragDelta) / zoomFactor + static_cast<float>(width);
    const int16_t result = ClampToInt16(RoundHalfEven(widened));
    return std::max<int16_t>(result, 1);
}

}  // namespace Tabulon
