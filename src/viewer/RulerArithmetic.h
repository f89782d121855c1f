#pragma once
#include <cstdint>
#include <vector>

#include "render/DrawRuler.h"

namespace Tabulon {

// The right-hand boundary of one fitting column on the ruler, in twips at the
// current zoom.
struct ColumnBoundary {
    int column = 0;
    float x = 0.0f;
};

// The boundaries of the columns that start inside the printable line, in
// column order: each column's drawn width in characters times the character
// width, scaled by the zoom, laid end to end from the left margin.
std::vector<ColumnBoundary> ColumnBoundaries(const RulerView& view);

// The column whose marker a press at x grabs: a boundary counts from 90 twips
// to its left up to 10 twips to its right, both ends excluded, so the grip
// lies mostly on the marker's triangle. When several boundaries are in reach
// the later column wins. 0 when none is.
int HitColumn(const std::vector<ColumnBoundary>& boundaries, float x);

// The drag distance in whole character widths (unscaled), each step rounded
// half to even.
int16_t DragDeltaFor(float pointerX, float dragStartX, int32_t charWidth);

// A column's width after a drag: the distance counted in character cells as
// they appear at this zoom. Never narrower than one character.
int16_t DraggedWidth(int16_t width, int16_t dragDelta, float zoomFactor);

}  // namespace Tabulon
