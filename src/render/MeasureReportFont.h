#pragma once
#include <cstdint>

#include "core/PageSetup.h"
#include "render/DrawingTarget.h"
#include "render/PageMetrics.h"

namespace Tabulon {

// Measures the report font at 100 % on the target and derives the page
// metrics: margins, row height, average character width, the printable area,
// the data rows a page holds (headerCount of them are reserved, plus five)
// and the characters a line holds. A row height or character width measuring
// 0 is taken as 1. The target is left at scale 1 in the report font.
PageMetrics MeasureReportFont(DrawingTarget& target, const PageSetup& setup, int16_t headerCount);

// The same measurement for another number of header lines: only the rows a
// page holds change, so a load on another thread needs no drawing target.
PageMetrics ForHeaderCount(PageMetrics measured, int16_t headerCount);

}  // namespace Tabulon
