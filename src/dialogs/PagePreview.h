#pragma once
#include <QFrame>
#include <QImage>

#include "dialogs/PageSetupWorkingCopy.h"

namespace Tabulon {

// The page setup dialog's schematic page: a page box in the working orientation
// with its four margin lines. The drawing is retained in an image, so it shows
// until the next DrawPreview whatever repaints in between.
class PagePreview : public QFrame {
    Q_OBJECT
  public:
    explicit PagePreview(QWidget* parent = nullptr);

    // Draws from the working copy only: orientation and margins.
    void DrawPreview(const PageSetupWorkingCopy& working);
    const QImage& Picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ResetPicture();

    QImage picture_;
};

}  // namespace Tabulon
