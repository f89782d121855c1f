#include "viewer/ColumnRuler.h"

#include "core/Rounding.h"
#include "viewer/PictureBox.h"
#include "viewer/RulerArithmetic.h"

namespace Tabulon {

namespace {
constexpr Rgb PressedColour{255, 255, 192};
constexpr Rgb BoundaryLineColour{128, 0, 0};
}  // namespace

ColumnRuler::ColumnRuler(PictureBox& canvas, PictureBox& ruler, std::function<RulerView()> view,
                         std::function<void(int, int16_t)> resize, std::function<void()> drawPage)
    : canvas_(canvas),
      ruler_(ruler),
      view_(std::move(view)),
      resize_(std::move(resize)),
      drawPage_(std::move(drawPage)) {
    indicator_ = canvas_.AddLine(LineElement{false, 0, 0, 0, 0, Qt::black});
    QObject::connect(&ruler_, &PictureBox::MouseDown, &ruler_,
                     [this](Qt::MouseButton, float x) { MouseDown(x); });
    QObject::connect(&ruler_, &PictureBox::MouseMove, &ruler_,
                     [this](Qt::MouseButtons buttons, float x) { MouseMove(buttons, x); });
    QObject::connect(&ruler_, &PictureBox::MouseUp, &ruler_,
                     [this](Qt::MouseButton button, float) { MouseUp(button); });
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

void ColumnRuler::Draw(const RulerView& view, int highlight) {
    DrawRuler(ruler_.Target(), backColour_, view, highlight);
    ruler_.PictureChanged();
}

// Any button: the press shows the boundaries; only the left one drags.
void ColumnRuler::MouseDown(float x) {
    const RulerView view = view_();
    backColour_ = PressedColour;
    Draw(view, 0);
    selectedColumn_ = 0;
    dragStartX_ = x;
    // A press and release without a move must not reuse the last drag's distance.
    dragDelta_ = 0;
    const std::vector<ColumnBoundary> boundaries = ColumnBoundaries(view);
    // The lines stay on the page until it is drawn again; they are drawn in
    // the canvas's own twips, at the zoom the boundaries were found at.
    DrawingTarget& page = canvas_.Target();
    page.SetScale(1.0);
    for (const ColumnBoundary& boundary : boundaries) {
        const double lineX = boundary.x - 30.0;
        page.Box(lineX, 1, lineX, canvas_.TwipsHeight(), BoundaryLineColour, true);
    }
    canvas_.PictureChanged();
    selectedColumn_ = HitColumn(boundaries, x);
    if (selectedColumn_ != 0) SetIndicator(true, x);
    Draw(view, selectedColumn_);
}

void ColumnRuler::MouseMove(Qt::MouseButtons buttons, float x) {
    if (buttons != Qt::LeftButton || selectedColumn_ == 0) return;
    const RulerView view = view_();
    dragDelta_ = DragDeltaFor(x, dragStartX_, view.metrics.CharWidth);
    // The column's own marker stays highlighted where it was; a second one
    // follows the pointer with its tip under it.
    Draw(view, selectedColumn_);
    ruler_.Target().PaintPicture(HighlightedMarker(), x - 90.0f, 5.0);
    ruler_.PictureChanged();
    SetIndicator(true, x);
}

void ColumnRuler::MouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton && selectedColumn_ > 0) {
        const RulerView view = view_();
        resize_(selectedColumn_, DraggedWidth(view.widths[static_cast<size_t>(selectedColumn_)],
                                              dragDelta_, view.zoom));
        selectedColumn_ = 0;
    }
    HideIndicator();
    backColour_ = releasedColour_;
    Draw(view_(), 0);
    drawPage_();
}

}  // namespace Tabulon
