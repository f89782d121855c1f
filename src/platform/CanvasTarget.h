#pragma once
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>

#include "platform/QPainterTarget.h"

namespace Tabulon {

// The page canvas and the ruler: a retained image at 15 twips per pixel (96
// dpi), held at the screen's device pixel ratio for sharpness. Text is
// measured in whole pixels at 96 dpi, times 15, as a screen would measure it,
// so the page metrics do not depend on the pixel ratio.
class CanvasTarget : public QPainterTarget {
  public:
    static constexpr double TwipsPerPixel = 15.0;

    explicit CanvasTarget(qreal devicePixelRatio = 1.0);
    ~CanvasTarget() override;

    // A new extent in twips; the picture starts white.
    void Resize(int32_t widthTwips, int32_t heightTwips);
    void SetDevicePixelRatio(qreal ratio);
    qreal DevicePixelRatio() const { return ratio_; }

    // The picture's own extent in screen twips, whatever the scale.
    int32_t PictureWidth() const { return width_; }
    int32_t PictureHeight() const { return height_; }

    // The picture drawn so far (drawing resumes on the next operation).
    const QImage& Image();

    int32_t Width() const override { return static_cast<int32_t>(width_ / Scale()); }
    int32_t Height() const override { return static_cast<int32_t>(height_ / Scale()); }
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;

  protected:
    double UnitsPerTwip() const override { return 1.0 / TwipsPerPixel; }
    QPainter& Painter() override;
    double Ascent() override;
    double PixelSize() const override { return 1.0 / ratio_; }
    bool SnapToPixels() const override { return true; }
    double LineWidth() const override { return 1.0; }
    void FontChanged() override { metrics_.reset(); }

  private:
    const QFontMetrics& Metrics();
    void EndPainting();
    void MakePicture();

    qreal ratio_ = 1.0;
    int32_t width_ = 0, height_ = 0;
    QImage image_;       // null until drawn on or shown
    QImage measuredOn_;  // one pixel at the picture's resolution, for measuring
    std::unique_ptr<QPainter> painter_;
    std::optional<QFontMetrics> metrics_;
};

}  // namespace Tabulon
