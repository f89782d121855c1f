#include "viewer/ZoomSteps.h"

#include <algorithm>
#include <iterator>

namespace Tabulon {

namespace {
float Clamped(float zoom) {
    return std::clamp(zoom, ZoomStepsList[0], ZoomStepsList[std::size(ZoomStepsList) - 1]);
}
}  // namespace

float StepZoom(float zoom, int direction) {
    if (direction > 0) {
        for (float step : ZoomStepsList)
            if (step > zoom + 0.001f) return step;
        return ZoomStepsList[std::size(ZoomStepsList) - 1];
    }
    for (auto it = std::rbegin(ZoomStepsList); it != std::rend(ZoomStepsList); ++it)
        if (*it < zoom - 0.001f) return *it;
    return ZoomStepsList[0];
}

float FitWidthZoom(int32_t pageWidth, int32_t roomWidth) {
    if (pageWidth <= 0 || roomWidth <= 0) return 1.0f;
    return Clamped(static_cast<float>(roomWidth) / static_cast<float>(pageWidth));
}

float FitPageZoom(int32_t pageWidth, int32_t pageHeight, int32_t roomWidth, int32_t roomHeight) {
    if (pageHeight <= 0 || roomHeight <= 0) return FitWidthZoom(pageWidth, roomWidth);
    return std::min(FitWidthZoom(pageWidth, roomWidth),
                    Clamped(static_cast<float>(roomHeight) / static_cast<float>(pageHeight)));
}

}  // namespace Tabulon
