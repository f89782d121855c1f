#pragma once
#include <functional>

#include "render/DrawingTarget.h"

namespace Tabulon {

// The drawing target a printer hands to the page renderer. Every operation
// first asks the printer for the sheet to draw on, so a sheet is started only
// when a page is really drawn; once the printer has failed there is no sheet
// and nothing is drawn.
class PrinterSheetTarget : public DrawingTarget {
  public:
    // sheet() starts the sheet if needed and returns where to draw, or null.
    explicit PrinterSheetTarget(std::function<DrawingTarget*()> sheet) : sheet_(std::move(sheet)) {}

    void SetScale(double scale) override;
    double Scale() const override;
    void SetFont(const std::string& face) override;
    void SetFontSize(float points) override;
    void SetFontBold(bool bold) override;
    std::string Font() const override;
    float FontSize() const override;
    bool FontBold() const override;
    int32_t Width() const override;
    int32_t Height() const override;
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;
    void Box(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override;
    void PSet(double x, double y, Rgb colour) override;
    void MoveTo(double x, double y) override;
    void Print(std::string_view text) override;
    void PaintPicture(const Picture& picture, double x, double y) override;

  private:
    std::function<DrawingTarget*()> sheet_;
};

}  // namespace Tabulon
