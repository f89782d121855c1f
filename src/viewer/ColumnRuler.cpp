#include "viewer/ColumnRuler.h"

#include "core/Rounding.h"
#include "render/DrawRuler.h"
#include "viewer/PictureBox.h"
#include "viewer/RulerArithmetic.h"

namespace {
constexpr Rgb PressedColour{255, 255, 192};
constexpr Rgb BoundaryLineColour{128, 0, 0};
}  // namespace

ColumnRuler::ColumnRuler(ReportModel& model, PageView& view, PictureBox& canvas, PictureBox& ruler,
                         std::function<void()> drawPage)
    : model_(model), view_(view), canvas_(canvas), ruler_(ruler), drawPage_(std::move(drawPage)) {
    indicator_ = canvas_.AddLine(LineElement{false, 0, 0, 0, 0, Qt::black});
}

bool ColumnRuler::IndicatorVisible() const {
    return canvas_.Line(indicator_).visible;
}
int32_t ColumnRuler::IndicatorX() const {
    return canvas_.Line(indicator_).x1;
}

void ColumnRuler::SetIndicator(bool visible, float x) {
    const int32_t at = RoundHalfEven(x);
    canvas_.SetLine(indicator_, LineElement{visible, at, 1, at, canvas_.TwipsHeight(), Qt::black});
}

void ColumnRuler::Draw(int highlight) {
    DrawRuler(RulerSurface{&ruler_.Target(), backColour_}, model_, view_, highlight);
    ruler_.PictureChanged();
}

void ColumnRuler::MouseDown(int16_t, float x) {
    backColour_ = PressedColour;
    Draw(0);
    selectedColumn_ = 0;
    dragStartX_ = x;
    // A press and release without a move must not reuse the last drag's distance.
    dragDelta_ = 0;
    const std::vector<ColumnBoundary> boundaries = ColumnBoundaries(model_, view_);
    // The lines stay on the page until it is drawn again.
    for (const ColumnBoundary& boundary : boundaries) {
        const double lineX = boundary.x - 30.0;
        canvas_.Target().Box(lineX, 1, lineX, canvas_.TwipsHeight(), BoundaryLineColour, true);
    }
    canvas_.PictureChanged();
    selectedColumn_ = static_cast<int16_t>(HitColumn(boundaries, x));
    if (selectedColumn_ != 0) SetIndicator(true, x);
    Draw(selectedColumn_);
}

void ColumnRuler::MouseMove(int16_t button, float x) {
    if (button != 1 || selectedColumn_ == 0) return;
    dragDelta_ = DragDeltaFor(x, dragStartX_, view_.metrics.CharWidth);
    // The column's own marker stays highlighted where it was; a second one
    // follows the pointer with its tip under it.
    Draw(selectedColumn_);
    ruler_.Target().PaintPicture(HighlightedMarker(), x - 90.0f, 5.0);
    ruler_.PictureChanged();
    SetIndicator(true, x);
}

void ColumnRuler::MouseUp(int16_t button) {
    if (button == 1 && selectedColumn_ > 0) {
        int16_t& width = model_.ColumnWidths[static_cast<size_t>(selectedColumn_)];
        width = DraggedWidth(width, dragDelta_, view_.ZoomFactor);
        selectedColumn_ = 0;
    }
    HideIndicator();
    backColour_ = releasedColour_;
    Draw(0);
    drawPage_();
}
