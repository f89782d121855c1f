#pragma once
#include "render/DrawingTarget.h"
#include "render/PageInputs.h"
#include "render/PagePlaces.h"

namespace Tabulon {

// The two 21 x 12 ruler markers: a black outline triangle, and the same filled
// with a dark-red checkerboard for the column being dragged.
const Picture& NormalMarker();
const Picture& HighlightedMarker();

// What the ruler shows: the columns as drawn, of which those that fit get a
// marker, at the zoom of the page below it.
struct RulerView {
    const ColumnWidthTable& widths;
    const PageMetrics& metrics;
    int fieldCount = 0;
    float zoom = 1.0f;

    ColumnFlags Fits() const { return ColumnFitsOf(widths, metrics, fieldCount); }
};

// Fills the ruler with its back colour and paints a marker at the right-hand
// boundary of every fitting column; `highlight` (0: none) gets the red one.
// The ruler is drawn in its own twips: markers keep their size at every zoom.
void DrawRuler(DrawingTarget& ruler, Rgb backColour, const RulerView& view, int highlight);

}  // namespace Tabulon
