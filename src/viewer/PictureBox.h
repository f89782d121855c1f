#pragma once
#include <QColor>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "platform/CanvasTarget.h"
#include "viewer/LineElement.h"

namespace Tabulon {

// A surface that keeps what is drawn on it: a picture in memory, drawn through
// its drawing target and shown again whenever the window needs repainting.
// Its place and size are given in twips. Mouse events are reported with
// their button as Qt gives it and the pointer's x in twips.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);

    // A new size starts a new, white picture; moving keeps it.
    void SetTwipsGeometry(int32_t left, int32_t top, int32_t width, int32_t height);
    int32_t TwipsWidth() const { return target_.PictureWidth(); }
    int32_t TwipsHeight() const { return target_.PictureHeight(); }

    // Where RenderPage, DrawRuler and the window draw.
    CanvasTarget& Target() { return target_; }
    const QImage& Image() { return target_.Image(); }
    // Shows what was drawn on the picture.
    void PictureChanged() { update(); }

    // The colour around the picture while it is being replaced.
    void SetBackColour(const QColor& colour) { backColour_ = colour; }

    // Lines lying over the picture; the index is that of AddLine.
    int AddLine(const LineElement& line);
    const LineElement& Line(int index) const { return lines_.at(static_cast<size_t>(index)); }
    void SetLine(int index, const LineElement& line);

  signals:
    void MouseDown(Qt::MouseButton button, float x);
    void MouseMove(Qt::MouseButtons buttons, float x);
    void MouseUp(Qt::MouseButton button, float x);
    // The same with the whole point in twips, and the keys held.
    void PressedAt(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF twips);
    void MovedAt(Qt::MouseButtons buttons, QPointF twips);
    // A right click, or the menu key: where the menu goes, and the point.
    void MenuAskedAt(QPoint global, QPointF twips);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    CanvasTarget target_;
    QColor backColour_ = Qt::white;
    std::vector<LineElement> lines_;
};

}  // namespace Tabulon
