#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "platform/CanvasTarget.h"
#include "render/DrawRuler.h"

using namespace Tabulon;

const char* const Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// Whole pixels at 96 dpi whatever the pixel ratio (10 points: the line 15 pixels
// high); the marker's tip is pixel 6 of row 9, its corners transparent.
TEST(CanvasTarget, MeasuresAndPlacesInScreenPixelsWhateverThePixelRatio) {
    for (int ratio : {1, 2}) {
        SCOPED_TRACE(ratio);
        CanvasTarget canvas(ratio);
        canvas.SetFont("Times New Roman");
        canvas.SetFontSize(10);
        EXPECT_EQ(canvas.TextHeight("0123456789"), 225);
        EXPECT_EQ(std::fmod(canvas.TextWidth(Letters), 15.0), 0.0);
        EXPECT_NEAR(canvas.TextWidth(Letters) / 36, 121, 6);
        canvas.Resize(6000, 1500);
        canvas.PSet(1500, 300, White);
        canvas.Print("Sayfa:12");
        const auto px = [ratio](double twips) { return static_cast<int>(twips / 15 * ratio); };
        const QRect inside(px(1500), px(300), px(canvas.TextWidth("Sayfa:12")), px(225));
        int in = 0, out = 0;
        const QImage& image = canvas.Image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                (inside.contains(x, y) ? in : out) += image.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_TRUE(in > 0 && out == 0) << in << " inside, " << out << " outside";
        const auto at = [&](float size) {
            canvas.SetFontSize(size);
            return canvas.TextWidth(Letters);
        };
        EXPECT_TRUE(at(7) < at(7.5f) && at(7.5f) < at(8));  // half points are kept
        CanvasTarget strip;
        strip.SetDevicePixelRatio(ratio);
        strip.Resize(3000, 300);
        strip.Box(0, 0, 3000, 300, Rgb{192, 255, 255}, true);
        strip.PaintPicture(HighlightedMarker(), 1500, 0);
        const QImage& ruler = strip.Image();
        EXPECT_EQ(ruler.pixel((100 + 6) * ratio, 9 * ratio), qRgb(0, 0, 0));
        const QRgb red = ruler.pixel((100 + 6) * ratio, 6 * ratio);
        EXPECT_TRUE(red == qRgb(102, 0, 0) || red == qRgb(153, 0, 0));
        EXPECT_EQ(ruler.pixel(100 * ratio, 0), qRgb(192, 255, 255));
        EXPECT_EQ(ruler.pixel((100 + 12) * ratio, 4 * ratio), qRgb(192, 255, 255));
    }
}
