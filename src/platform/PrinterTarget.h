#pragma once
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <optional>

#include "platform/QPainterTarget.h"

namespace Tabulon {

// A printer or PDF writer, drawn through a painter the caller has begun on
// it (any paint device works; a paged one gives its paper's extent). Lengths use the device's own
// resolution and text its own fractional metrics, so right alignment follows the paper's fonts.
// Width and Height are the paper's; (0, 0) is where the painter's origin lies (the printable area's
// corner on a printer, the paper's corner on a PDF without margins).
class PrinterTarget : public QPainterTarget {
  public:
    explicit PrinterTarget(QPainter& painter);

    int32_t Width() const override { return static_cast<int32_t>(width_ / Scale()); }
    int32_t Height() const override { return static_cast<int32_t>(height_ / Scale()); }
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;

    // Outlines are half a point wide: visible on paper, still fine.
    static constexpr double LineTwips = 10.0;

  protected:
    double UnitsPerTwip() const override { return pixelsPerTwip_; }
    QPainter& Painter() override { return painter_; }
    double Ascent() override;
    double PixelSize() const override { return 1.0; }
    bool SnapToPixels() const override { return false; }
    double LineWidth() const override { return LineTwips * pixelsPerTwip_; }
    void FontChanged() override { metrics_.reset(); }

  private:
    const QFontMetricsF& Metrics();

    QPainter& painter_;
    QPaintDevice& device_;
    double pixelsPerTwip_ = 1.0;  // device pixels per twip
    int32_t width_ = 0, height_ = 0;
    std::optional<QFontMetricsF> metrics_;
};

}  // namespace Tabulon
