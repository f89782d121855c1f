#pragma once
#include "core/ReportModel.h"
#include "render/PageView.h"

// The two 21 x 12 ruler markers: a black outline triangle, and the same filled
// with a dark-red checkerboard for the column being dragged.
const Picture& NormalMarker();
const Picture& HighlightedMarker();

// Fills the ruler with its back colour and paints a marker at the right-hand
// boundary of every fitting column; `highlight` (0: none) gets the red one.
void DrawRuler(RulerSurface ruler, const ReportModel& model, const PageView& view, int highlight);
