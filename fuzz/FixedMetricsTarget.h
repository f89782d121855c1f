#pragma once
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextEncoding.h"
#include "render/DrawingTarget.h"

namespace Tabulon {

// A drawing target with the metrics of a plain font: at 10 points every
// character is 120 twips wide and every text 230 high, other sizes in
// proportion. It keeps only what the fuzzers compare (the texts printed and
// where the pictures went) and aborts on what no drawing may produce: a
// length that is not a number, a scale of zero or below, text that is not
// UTF-8.
class FixedMetricsTarget : public DrawingTarget {
  public:
    std::vector<std::string> texts;
    std::vector<double> pictureXs;  // as shown, at the target's scale
    int64_t operations = 0;

    FixedMetricsTarget(int32_t width, int32_t height) : width_(width), height_(height) {}

    void Clear() {
        texts.clear();
        pictureXs.clear();
        operations = 0;
    }

    void SetScale(double scale) override {
        if (!std::isfinite(scale) || scale <= 0) std::abort();
        scale_ = scale;
    }
    double Scale() const override { return scale_; }
    void SetFont(const std::string& face) override { font_ = face; }
    void SetFontSize(float points) override {
        if (!std::isfinite(points) || points < 0) std::abort();
        size_ = points;
    }
    void SetFontBold(bool bold) override { bold_ = bold; }
    std::string Font() const override { return font_; }
    float FontSize() const override { return size_; }
    bool FontBold() const override { return bold_; }
    int32_t Width() const override { return static_cast<int32_t>(width_ / scale_); }
    int32_t Height() const override { return static_cast<int32_t>(height_ / scale_); }

    double TextWidth(std::string_view text) override {
        Check(text);
        return static_cast<double>(CodePointCount(text)) * 120.0 * size_ / 10.0;
    }
    double TextHeight(std::string_view text) override {
        Check(text);
        return 230.0 * size_ / 10.0;
    }
    void Box(double x1, double y1, double x2, double y2, Rgb /*colour*/, bool /*filled*/) override {
        Check(x1, y1);
        Check(x2, y2);
        ++operations;
    }
    void PSet(double x, double y, Rgb /*colour*/) override {
        Check(x, y);
        ++operations;
    }
    void MoveTo(double x, double y) override {
        Check(x, y);
        ++operations;
    }
    void Print(std::string_view text) override {
        Check(text);
        texts.emplace_back(text);
        ++operations;
    }
    void PaintPicture(const Picture& picture, double x, double y) override {
        Check(x, y);
        if (picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height)
            std::abort();
        pictureXs.push_back(x * scale_);
        ++operations;
    }

  private:
    static void Check(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) std::abort();
    }
    static void Check(std::string_view text) {
        if (!IsValidUtf8(text)) std::abort();
    }

    int32_t width_;
    int32_t height_;
    double scale_ = 1.0;
    std::string font_;
    float size_ = 10;
    bool bold_ = false;
};

}  // namespace Tabulon
