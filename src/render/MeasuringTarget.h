#pragma once
#include "render/DrawingTarget.h"

namespace Tabulon {

// Another target's measurements without its drawing: a page drawn here
// finds out what drawing it on that target would (which columns fit, the
// field count it leaves) at the cost of measuring its texts alone.
class MeasuringTarget : public DrawingTarget {
  public:
    explicit MeasuringTarget(DrawingTarget& measured) : measured_(measured) {}

    void SetScale(double scale) override { measured_.SetScale(scale); }
    double Scale() const override { return measured_.Scale(); }
    void SetFont(const std::string& face) override { measured_.SetFont(face); }
    void SetFontSize(float points) override { measured_.SetFontSize(points); }
    void SetFontBold(bool bold) override { measured_.SetFontBold(bold); }
    std::string Font() const override { return measured_.Font(); }
    float FontSize() const override { return measured_.FontSize(); }
    bool FontBold() const override { return measured_.FontBold(); }
    int32_t Width() const override { return measured_.Width(); }
    int32_t Height() const override { return measured_.Height(); }
    double TextWidth(std::string_view text) override { return measured_.TextWidth(text); }
    double TextHeight(std::string_view text) override { return measured_.TextHeight(text); }

    void Box(double, double, double, double, Rgb, bool) override {}
    void PSet(double, double, Rgb) override {}
    void MoveTo(double, double) override {}
    void Print(std::string_view) override {}
    void PaintPicture(const Picture&, double, double) override {}

  private:
    DrawingTarget& measured_;
};

}  // namespace Tabulon
