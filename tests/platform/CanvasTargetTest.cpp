#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "platform/CanvasTarget.h"
#include "render/DrawRuler.h"

namespace {

const char* const Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// Non-white pixels inside the rectangle of device pixels.
int Ink(const QImage& image, QRect area) {
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

TEST(CanvasTarget, MeasuresWholePixelsAt96DotsPerInchWhateverThePixelRatio) {
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        CanvasTarget canvas(ratio);
        canvas.SetFont("Times New Roman");
        canvas.SetFontSize(10);
        // 10 points are 13 pixels; the line is 15 pixels high.
        EXPECT_EQ(canvas.TextHeight("0123456789"), 225);
        const double width = canvas.TextWidth(Letters);
        EXPECT_EQ(std::fmod(width, 15.0), 0.0);
        EXPECT_NEAR(width / 36, 121, 6);
        // Half points are kept, not rounded to whole ones: 7.5 points are 10 pixels.
        double widths[3];
        for (int i = 0; i < 3; ++i) {
            canvas.SetFontSize(7.0f + 0.5f * i);
            widths[i] = canvas.TextWidth(Letters);
        }
        EXPECT_LT(widths[0], widths[1]);
        EXPECT_LT(widths[1], widths[2]);
    }
}

TEST(CanvasTarget, BoxesCoverBothCornersAndOutlinesLeaveTheInsideEmpty) {
    CanvasTarget canvas;
    canvas.Resize(1500, 1500);
    canvas.Box(150, 150, 300, 300, Black, true);   // pixels 10 to 20
    canvas.Box(600, 600, 900, 750, Black, false);  // sides at 40, 60 and 40, 50
    const QImage& image = canvas.Image();
    struct Pixel {
        int x, y;
        bool inked;
    };
    for (const Pixel& p :
         {Pixel{10, 10, true}, Pixel{20, 20, true}, Pixel{9, 15, false}, Pixel{21, 15, false},
          Pixel{40, 45, true}, Pixel{60, 45, true}, Pixel{50, 40, true}, Pixel{50, 50, true},
          Pixel{50, 45, false}, Pixel{61, 45, false}})
        EXPECT_EQ(image.pixel(p.x, p.y) != qRgb(255, 255, 255), p.inked) << p.x << "," << p.y;
}

TEST(CanvasTarget, TextStandsBelowAndRightOfItsPosition) {
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        CanvasTarget canvas(ratio);
        canvas.Resize(6000, 1500);
        canvas.SetFont("Times New Roman");
        canvas.SetFontSize(10);
        canvas.PSet(1500, 300, White);
        canvas.Print("Sayfa:12");
        auto px = [ratio](double twips) { return static_cast<int>(twips / 15 * ratio); };
        const QRect inside(px(1500), px(300), px(canvas.TextWidth("Sayfa:12")),
                           px(canvas.TextHeight("Sayfa:12")));
        const QImage& image = canvas.Image();
        EXPECT_GT(Ink(image, inside), 0);
        EXPECT_EQ(Ink(image, image.rect()), Ink(image, inside));
    }
}

TEST(CanvasTarget, PaintsPicturesAtFifteenTwipsAPixel) {
    for (int r : {1, 2}) {
        CanvasTarget canvas;
        canvas.SetDevicePixelRatio(r);
        canvas.Resize(3000, 300);
        canvas.Box(0, 0, 3000, 300, Rgb{192, 255, 255}, true);
        canvas.PaintPicture(HighlightedMarker(), 1500, 0);
        const QImage& image = canvas.Image();
        // Tip at pixel 6 of row 9, inside dark red, transparent corners keep the back colour.
        EXPECT_EQ(image.pixel((100 + 6) * r, 9 * r), qRgb(0, 0, 0));
        const QRgb inside = image.pixel((100 + 6) * r, 6 * r);
        EXPECT_TRUE(inside == qRgb(102, 0, 0) || inside == qRgb(153, 0, 0));
        EXPECT_EQ(image.pixel(100 * r, 0), qRgb(192, 255, 255));
        EXPECT_EQ(image.pixel((100 + 12) * r, 4 * r), qRgb(192, 255, 255));
    }
}

}  // namespace
