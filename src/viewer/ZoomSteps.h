#pragma once
#include <cstdint>

namespace Tabulon {

// The zooms Ctrl+plus, Ctrl+minus and Ctrl+wheel step through, from 50 to
// 200 %.
inline constexpr float ZoomStepsList[] = {0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f};

// The next step up (direction > 0) or down from a zoom, which need not be a
// step itself (a fitted zoom); the same zoom at either end.
float StepZoom(float zoom, int direction);

// The zoom at which a page of pageWidth twips (and pageHeight, for the whole
// page) fits the room on the desk, kept within the steps' ends.
float FitWidthZoom(int32_t pageWidth, int32_t roomWidth);
float FitPageZoom(int32_t pageWidth, int32_t pageHeight, int32_t roomWidth, int32_t roomHeight);

}  // namespace Tabulon
