#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextEncoding.h"
#include "render/DrawingTarget.h"

namespace Tabulon {

// Keeps what was drawn as shown at its scale, with fixed metrics at 10 points
// (`charWidth`, `textHeight`) that scale with the point size.
class RecordingTarget : public DrawingTarget {
  public:
    struct TextOp {
        std::string text;
        double x, y;
        std::string font;
        float size;
        bool bold;
    };
    struct BoxOp {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Rgb colour;
        bool filled = false;
        size_t textsBefore = 0;  // how many texts were drawn before it
    };
    struct PictureOp {
        const Picture* picture;
        double x, y;
    };
    std::vector<TextOp> texts;
    std::vector<BoxOp> boxes;
    std::vector<PictureOp> pictures;
    int32_t width = 25000, height = 16838;
    double charWidth = 120, textHeight = 230;

    void Clear() { texts.clear(), boxes.clear(), pictures.clear(); }

    void SetScale(double scale) override { scale_ = scale; }
    double Scale() const override { return scale_; }
    void SetFont(const std::string& face) override { font_ = face; }
    void SetFontSize(float points) override { size_ = points; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    std::string Font() const override { return font_; }
    float FontSize() const override { return size_; }
    bool FontBold() const override { return bold_; }
    int32_t Width() const override { return static_cast<int32_t>(width / scale_); }
    int32_t Height() const override { return static_cast<int32_t>(height / scale_); }
    double TextWidth(std::string_view text) override {
        return static_cast<double>(CodePointCount(text)) * charWidth * size_ / 10.0;
    }
    double TextHeight(std::string_view) override { return textHeight * size_ / 10.0; }
    void Box(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override {
        boxes.push_back(
            {x1 * scale_, y1 * scale_, x2 * scale_, y2 * scale_, colour, filled, texts.size()});
    }
    void PSet(double x, double y, Rgb) override { x_ = x * scale_, y_ = y * scale_; }
    void MoveTo(double x, double y) override { x_ = x * scale_, y_ = y * scale_; }
    void Print(std::string_view text) override {
        texts.push_back(
            {std::string(text), x_, y_, font_, size_ * static_cast<float>(scale_), bold_});
    }
    void PaintPicture(const Picture& picture, double x, double y) override {
        pictures.push_back({&picture, x * scale_, y * scale_});
    }

    const TextOp* FindText(std::string_view text) const {  // the first drawn, or nullptr
        for (const TextOp& t : texts)
            if (t.text == text) return &t;
        return nullptr;
    }

  private:
    double scale_ = 1.0;
    std::string font_;
    float size_ = 10;
    bool bold_ = false;
    double x_ = 0, y_ = 0;
};

}  // namespace Tabulon
