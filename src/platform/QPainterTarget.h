#pragma once
#include <QFont>
#include <QPainter>
#include <QString>
#include <optional>

#include "render/DrawingTarget.h"

namespace Tabulon {

// The drawing operations on a QPainter, lengths converted from twips to the
// painter's units. Subclasses supply the painter, the scale, and how text is
// measured (whole screen pixels or the device's own fractional metrics).
class QPainterTarget : public DrawingTarget {
  public:
    void SetScale(double scale) override { scale_ = scale > 0 ? scale : 1.0; }
    double Scale() const override { return scale_; }
    void SetFont(const std::string& face) override;
    void SetFontSize(float points) override;
    void SetFontBold(bool bold) override;
    std::string Font() const override { return face_; }
    float FontSize() const override { return size_; }
    bool FontBold() const override { return bold_; }

    void Box(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override;
    void PSet(double x, double y, Rgb colour) override;
    void MoveTo(double x, double y) override {
        textX_ = x;
        textY_ = y;
    }
    void Print(std::string_view text) override;
    void PaintPicture(const Picture& picture, double x, double y) override;

    // The font as Qt sees it: the face by name (fontconfig finds stand-ins),
    // fractional point sizes kept.
    const QFont& CurrentFont();

  protected:
    // Painter units per twip of the device, before the target's scale.
    virtual double UnitsPerTwip() const = 0;
    virtual QPainter& Painter() = 0;
    // Distance from a text's top to its baseline, in twips.
    virtual double Ascent() = 0;
    // A device pixel in painter units: the smallest visible dot, and the step
    // that screen coordinates snap to (0: no snapping).
    virtual double PixelSize() const = 0;
    virtual bool SnapToPixels() const = 0;
    // Outline width in painter units.
    virtual double LineWidth() const = 0;
    // Called when the font changes, so cached metrics are dropped.
    virtual void FontChanged() {}

    // Painter units of a length given at the target's scale.
    double Units(double twips) const;

  private:
    double Snap(double units) const;

    double scale_ = 1.0;
    std::string face_ = "Arial";
    float size_ = 10;
    bool bold_ = false;
    std::optional<QFont> font_;
    double textX_ = 0, textY_ = 0;  // twips
};

}  // namespace Tabulon
