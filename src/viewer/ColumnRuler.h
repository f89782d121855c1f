#pragma once
#include <cstdint>
#include <functional>

#include "core/ReportModel.h"
#include "render/PageView.h"

class PictureBox;

// The ruler's column dragging. A press near a column's marker picks the
// column, shows every column boundary as a dark-red line down the page and
// turns the ruler light yellow; moving drags the marker and a vertical
// indicator line on the page; a left-button release changes the column's
// width by the distance in character cells and has the page drawn again.
class ColumnRuler {
  public:
    ColumnRuler(ReportModel& model, PageView& view, PictureBox& canvas, PictureBox& ruler,
                std::function<void()> drawPage);

    void MouseDown(int16_t button, float x);
    void MouseMove(int16_t button, float x);
    void MouseUp(int16_t button);

    // The ruler's colour for the next drawing of it.
    Rgb BackColour() const { return backColour_; }
    void SetBackColour(Rgb colour) { backColour_ = colour; }
    // The colour it takes after a release.
    void SetReleasedColour(Rgb colour) { releasedColour_ = colour; }

    int16_t SelectedColumn() const { return selectedColumn_; }
    int16_t DragDelta() const { return dragDelta_; }
    bool IndicatorVisible() const;
    int32_t IndicatorX() const;
    void HideIndicator() { SetIndicator(false, 0.0f); }

  private:
    void Draw(int highlight);
    void SetIndicator(bool visible, float x);

    ReportModel& model_;
    PageView& view_;
    PictureBox& canvas_;
    PictureBox& ruler_;
    std::function<void()> drawPage_;
    int indicator_ = -1;  // Line2, a line lying on the canvas
    Rgb backColour_{240, 240, 240};
    Rgb releasedColour_{227, 227, 227};

    int16_t selectedColumn_ = 0;
    float dragStartX_ = 0.0f;
    int16_t dragDelta_ = 0;
};
