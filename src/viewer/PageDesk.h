#pragma once
#include <QObject>
#include <cstdint>
#include <functional>

#include "viewer/WindowLayout.h"

class QFrame;
class QScrollBar;
class QWidget;

namespace Tabulon {

class PictureBox;

// The window's work area: the line along the top, the grey desk (Zemin) with
// the page canvas lying on it, the ruler (Cetvel) above the canvas, the red
// paper edge on the canvas, and the two scroll bars that move the page.
// Positions follow the window's outer size in twips.
class PageDesk : public QObject {
    Q_OBJECT
  public:
    explicit PageDesk(QWidget* client);

    // The desk and both bars for the window's outer size; both scroll values
    // return to 0 and the canvas to its resting place (top 500, left 200).
    void LayOut(int32_t outerWidth, int32_t outerHeight);
    // The canvas sized for the zoom and the page, the ruler above it, the
    // scroll ranges and the paper edge; nothing is redrawn.
    void FitCanvas(float zoom, int32_t pageSizeX, int32_t pageSizeY);
    // Vertical, then horizontal scroll value back to 0.
    void ScrollToCorner();
    // A turn of the wheel by notches (up is positive) scrolls the page; past
    // its bottom or top, turnPage(+1 or -1) goes on to the next page's top or
    // the previous page's bottom, when there is one.
    // Scrolls so a height of the canvas (in its twips) stands in view, a
    // little below the desk's top, unless it is in view already.
    void BringIntoView(double canvasY);
    void Wheel(int notches, const std::function<bool(int direction)>& turnPage);

    const WindowLayout& Layout() const { return layout_; }
    PictureBox* Canvas() const { return canvas_; }
    PictureBox* Cetvel() const { return cetvel_; }
    QWidget* Zemin() const { return zemin_; }
    QScrollBar* HScroll() const { return hScroll_; }
    QScrollBar* VScroll() const { return vScroll_; }

  private:
    void MovePageSideways();
    void MovePageUpOrDown();
    void Apply();
    void ApplyCanvasPosition();

    WindowLayout layout_;
    QFrame* line1_ = nullptr;
    QWidget* zemin_ = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    QWidget* corner_ = nullptr;  // the square where the two bars meet
    PictureBox* cetvel_ = nullptr;
    PictureBox* canvas_ = nullptr;
    int line3_ = -1;  // the paper's right edge on the canvas
};

}  // namespace Tabulon
