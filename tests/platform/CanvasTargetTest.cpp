#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "platform/CanvasTarget.h"
#include "render/DrawRuler.h"

namespace {

bool IsWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

// Non-white pixels inside the rectangle of device pixels.
int Ink(const QImage& image, QRect area) {
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!IsWhite(image, x, y)) ++count;
    return count;
}

TEST(CanvasTarget, MeasuresWholePixelsAt96DotsPerInch) {
    for (qreal ratio : {1.0, 2.0}) {
        CanvasTarget canvas(ratio);
        canvas.SetFont("Times New Roman");
        canvas.SetFontSize(10);
        // 10 points are 13 pixels; the line is 15 pixels high.
        EXPECT_EQ(canvas.TextHeight("0123456789"), 225) << ratio;
        const double width = canvas.TextWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
        EXPECT_EQ(std::fmod(width, 15.0), 0.0);
        EXPECT_NEAR(width / 36, 121, 6);
        canvas.SetFontBold(true);
        EXPECT_GT(canvas.TextWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), canvas.TextWidth("") + 0);
    }
}

TEST(CanvasTarget, KeepsFractionalPointSizesAndTheFaceName) {
    CanvasTarget canvas;
    canvas.SetFont("Arial");
    canvas.SetFontSize(4.5f);
    canvas.SetFontBold(true);
    EXPECT_EQ(canvas.CurrentFont().pointSizeF(), 4.5);
    EXPECT_EQ(canvas.CurrentFont().family(), "Arial");
    EXPECT_TRUE(canvas.CurrentFont().bold());
    EXPECT_EQ(canvas.Font(), "Arial");
    EXPECT_EQ(canvas.FontSize(), 4.5f);
    // A larger size never measures smaller.
    const double small = canvas.TextWidth("Sayfa:1/1");
    canvas.SetFontSize(7.5f);
    EXPECT_GE(canvas.TextWidth("Sayfa:1/1"), small);
}

TEST(CanvasTarget, ImageFollowsTheExtentAndThePixelRatio) {
    CanvasTarget canvas(2.0);
    canvas.Resize(25000, 16838);
    EXPECT_EQ(canvas.Width(), 25000);
    EXPECT_EQ(canvas.Height(), 16838);
    EXPECT_EQ(canvas.Image().width(), 3334);  // 1666.7 pixels, twice
    EXPECT_EQ(canvas.Image().height(), 2246);
    EXPECT_EQ(canvas.Image().devicePixelRatio(), 2.0);
    canvas.SetDevicePixelRatio(1.0);
    EXPECT_EQ(canvas.Image().width(), 1667);
}

TEST(CanvasTarget, BoxesCoverBothCorners) {
    CanvasTarget canvas;
    canvas.Resize(1500, 1500);
    canvas.Box(150, 150, 300, 300, Black, true);
    canvas.Box(600, 600, 900, 750, Black, false);
    const QImage& image = canvas.Image();
    // Pixels 10 to 20 are filled, 9 and 21 are not.
    EXPECT_FALSE(IsWhite(image, 10, 10));
    EXPECT_FALSE(IsWhite(image, 20, 20));
    EXPECT_TRUE(IsWhite(image, 9, 15));
    EXPECT_TRUE(IsWhite(image, 21, 15));
    // The outline has its four sides and an empty inside.
    EXPECT_FALSE(IsWhite(image, 40, 45));
    EXPECT_FALSE(IsWhite(image, 60, 45));
    EXPECT_FALSE(IsWhite(image, 50, 40));
    EXPECT_FALSE(IsWhite(image, 50, 50));
    EXPECT_TRUE(IsWhite(image, 50, 45));
    EXPECT_TRUE(IsWhite(image, 61, 45));
}

TEST(CanvasTarget, TextStandsBelowAndRightOfItsPosition) {
    for (qreal ratio : {1.0, 2.0}) {
        CanvasTarget canvas(ratio);
        canvas.Resize(6000, 1500);
        canvas.SetFont("Times New Roman");
        canvas.SetFontSize(10);
        canvas.PSet(1500, 300, White);
        canvas.Print("Sayfa:12");
        const double w = canvas.TextWidth("Sayfa:12"), h = canvas.TextHeight("Sayfa:12");
        const QImage& image = canvas.Image();
        auto px = [ratio](double twips) { return static_cast<int>(twips / 15 * ratio); };
        const QRect inside(px(1500), px(300), px(w), px(h));
        EXPECT_GT(Ink(image, inside), 0);
        EXPECT_EQ(Ink(image, image.rect()), Ink(image, inside)) << ratio;
    }
}

TEST(CanvasTarget, PaintsPicturesAtFifteenTwipsAPixel) {
    for (qreal ratio : {1.0, 2.0}) {
        CanvasTarget canvas(ratio);
        canvas.Resize(3000, 300);
        canvas.Box(0, 0, 3000, 300, Rgb{192, 255, 255}, true);
        canvas.PaintPicture(HighlightedMarker(), 1500, 0);
        const QImage& image = canvas.Image();
        const int r = static_cast<int>(ratio);
        // Tip at pixel 6 of row 9, inside dark red, transparent corners keep the back colour.
        EXPECT_EQ(image.pixel((100 + 6) * r, 9 * r), qRgb(0, 0, 0));
        const QRgb inside = image.pixel((100 + 6) * r, 6 * r);
        EXPECT_TRUE(inside == qRgb(102, 0, 0) || inside == qRgb(153, 0, 0));
        EXPECT_EQ(image.pixel(100 * r, 0), qRgb(192, 255, 255));
        EXPECT_EQ(image.pixel((100 + 12) * r, 4 * r), qRgb(192, 255, 255));
    }
}

}  // namespace
