#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "platform/CanvasTarget.h"
#include "render/DrawRuler.h"

namespace {

const char* const Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

bool Inked(const QImage& image, int x, int y) {
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

// Text is measured in whole pixels at 96 dots per inch whatever the pixel
// ratio: 10 points are 13 pixels, the line 15 pixels high. Half points are
// kept, not rounded to whole ones. The text stands below and right of its
// position and nowhere else.
TEST(CanvasTarget, MeasuresWholePixelsAndPlacesTextWhateverThePixelRatio) {
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        CanvasTarget canvas(ratio);
        canvas.SetFont("Times New Roman");
        canvas.SetFontSize(10);
        EXPECT_EQ(canvas.TextHeight("0123456789"), 225);
        const double width = canvas.TextWidth(Letters);
        EXPECT_EQ(std::fmod(width, 15.0), 0.0);
        EXPECT_NEAR(width / 36, 121, 6);
        canvas.Resize(6000, 1500);
        canvas.PSet(1500, 300, White);
        canvas.Print("Sayfa:12");
        const QImage& image = canvas.Image();
        auto px = [ratio](double twips) { return static_cast<int>(twips / 15 * ratio); };
        const QRect inside(px(1500), px(300), px(canvas.TextWidth("Sayfa:12")), px(225));
        int in = 0, out = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                (inside.contains(x, y) ? in : out) += Inked(image, x, y);
        EXPECT_GT(in, 0);
        EXPECT_EQ(out, 0);
        double widths[3];
        for (int i = 0; i < 3; ++i) {
            canvas.SetFontSize(7.0f + 0.5f * i);
            widths[i] = canvas.TextWidth(Letters);
        }
        EXPECT_LT(widths[0], widths[1]);
        EXPECT_LT(widths[1], widths[2]);
    }
}

// Boxes cover both corners; outlines leave the inside empty.
TEST(CanvasTarget, BoxesCoverBothCornersAndOutlinesLeaveTheInsideEmpty) {
    CanvasTarget canvas;
    canvas.Resize(1500, 1500);
    canvas.Box(150, 150, 300, 300, Black, true);   // pixels 10 to 20
    canvas.Box(600, 600, 900, 750, Black, false);  // sides at 40, 60 and 40, 50
    const QImage& image = canvas.Image();
    const struct {
        int x, y;
        bool inked;
    } pixels[] = {{10, 10, true}, {20, 20, true}, {9, 15, false}, {21, 15, false}, {40, 45, true},
                  {60, 45, true}, {50, 40, true}, {50, 50, true}, {50, 45, false}, {61, 45, false}};
    for (const auto& p : pixels) EXPECT_EQ(Inked(image, p.x, p.y), p.inked) << p.x << "," << p.y;
}

// Pictures go at fifteen twips a pixel, scaled by the pixel ratio: the
// marker's tip at pixel 6 of row 9, inside dark red, transparent corners
// keep the back colour.
TEST(CanvasTarget, PaintsPicturesAtFifteenTwipsAPixel) {
    for (int r : {1, 2}) {
        CanvasTarget canvas;
        canvas.SetDevicePixelRatio(r);
        canvas.Resize(3000, 300);
        canvas.Box(0, 0, 3000, 300, Rgb{192, 255, 255}, true);
        canvas.PaintPicture(HighlightedMarker(), 1500, 0);
        const QImage& image = canvas.Image();
        EXPECT_EQ(image.pixel((100 + 6) * r, 9 * r), qRgb(0, 0, 0));
        const QRgb inside = image.pixel((100 + 6) * r, 6 * r);
        EXPECT_TRUE(inside == qRgb(102, 0, 0) || inside == qRgb(153, 0, 0));
        EXPECT_EQ(image.pixel(100 * r, 0), qRgb(192, 255, 255));
        EXPECT_EQ(image.pixel((100 + 12) * r, 4 * r), qRgb(192, 255, 255));
    }
}

}  // namespace
