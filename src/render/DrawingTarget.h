#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "render/Picture.h"

namespace Tabulon {

// A colour as the drawing operations take it.
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};

// The surface a page or the ruler is drawn on: the screen canvas, a printer or
// a PDF writer, or a recording target in tests. Every length is in twips
// (1/1440 inch) from the target's top-left corner, x right, y down.
//
// A page is drawn in the twips of the paper; the target shows it at its
// scale (the zoom on screen, 1 on paper): positions, sizes, fonts and text
// all grow or shrink together, so what fits on the page at 100 % fits at
// every zoom.
class DrawingTarget {
  public:
    virtual ~DrawingTarget() = default;

    // Lengths and fonts given from now on are shown this many times their
    // size; Width, Height and text extents answer in the same units.
    virtual void SetScale(double scale) = 0;
    virtual double Scale() const = 0;

    virtual void SetFont(const std::string& face) = 0;
    virtual void SetFontSize(float points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual std::string Font() const = 0;
    virtual float FontSize() const = 0;
    virtual bool FontBold() const = 0;

    // The target's own extent, at its scale.
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;

    // Extent of a text in the current font.
    virtual double TextWidth(std::string_view text) = 0;
    virtual double TextHeight(std::string_view text) = 0;

    // A rectangle from (x1, y1) to (x2, y2): its four sides, or filled.
    virtual void Box(double x1, double y1, double x2, double y2, Rgb colour, bool filled) = 0;
    // A single point; the text position moves there.
    virtual void PSet(double x, double y, Rgb colour) = 0;
    // The text position moves there; nothing is drawn, so nothing drawn
    // before is blanked.
    virtual void MoveTo(double x, double y) = 0;
    // Text with its top-left corner at the text position, in the target's text colour.
    virtual void Print(std::string_view text) = 0;
    // A small picture with its top-left corner at (x, y); transparent pixels stay.
    virtual void PaintPicture(const Picture& picture, double x, double y) = 0;
};

}  // namespace Tabulon
