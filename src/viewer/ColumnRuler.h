#pragma once
#include <Qt>
#include <cstdint>
#include <functional>

#include "render/DrawRuler.h"

namespace Tabulon {

class PictureBox;

// The ruler's column dragging. A press near a column's marker picks the
// column, shows every column boundary as a dark-red line down the page and
// turns the ruler light yellow; moving with the left button drags the marker
// and a vertical indicator line on the page; a left-button release changes
// the column's width by the distance in character cells and has the page
// drawn again.
class ColumnRuler {
  public:
    // view() tells what the ruler shows now; resize(column, width) takes a
    // column's new width; drawPage() draws the page again.
    ColumnRuler(PictureBox& canvas, PictureBox& ruler, std::function<RulerView()> view,
                std::function<void(int column, int16_t width)> resize,
                std::function<void()> drawPage);

    void MouseDown(float x);
    void MouseMove(Qt::MouseButtons buttons, float x);
    void MouseUp(Qt::MouseButton button);

    // Draws the ruler with the given column's marker highlighted (0: none).
    void Draw(const RulerView& view, int highlight);
    // The ruler's colour for the next drawing of it.
    Rgb BackColour() const { return backColour_; }
    void SetBackColour(Rgb colour) { backColour_ = colour; }
    // The colour it takes after a release.
    void SetReleasedColour(Rgb colour) { releasedColour_ = colour; }

    int SelectedColumn() const { return selectedColumn_; }
    int16_t DragDelta() const { return dragDelta_; }
    bool IndicatorVisible() const;
    int32_t IndicatorX() const;
    void HideIndicator() { SetIndicator(false, 0.0f); }

  private:
    void SetIndicator(bool visible, float x);

    PictureBox& canvas_;
    PictureBox& ruler_;
    std::function<RulerView()> view_;
    std::function<void(int, int16_t)> resize_;
    std::function<void()> drawPage_;
    int indicator_ = -1;  // Line2, a line lying on the canvas
    Rgb backColour_{240, 240, 240};
    Rgb releasedColour_{227, 227, 227};

    int selectedColumn_ = 0;
    float dragStartX_ = 0.0f;
    int16_t dragDelta_ = 0;
};

}  // namespace Tabulon
