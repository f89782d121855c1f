#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/PrinterTarget.h"

namespace {

TEST(PrinterTarget, DrawsAndMeasuresInTheDeviceResolution) {
    // An image at 600 dots per inch, 2 x 1 inches, stands in for the paper.
    QImage image(1200, 600, QImage::Format_RGB32);
    image.setDotsPerMeterX(23622);
    image.setDotsPerMeterY(23622);
    image.fill(Qt::white);
    QPainter painter(&image);
    PrinterTarget target(painter);
    EXPECT_EQ(target.Width(), 2880);
    EXPECT_EQ(target.Height(), 1440);

    // The device's own fractional metrics, not the whole pixels of a screen
    // (225 twips for this font there); quarter points count.
    target.SetFont("Times New Roman");
    target.SetFontSize(10);
    EXPECT_NEAR(target.TextHeight("0123456789"), 221, 3);
    const double at10 = target.TextWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    target.SetFontSize(10.25f);
    EXPECT_GT(target.TextWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), at10);

    target.Box(720, 360, 1440, 720, Black, true);  // half an inch from the corner
    painter.end();
    EXPECT_EQ(image.pixel(310, 160), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(590, 290), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(290, 160), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(610, 160), qRgb(255, 255, 255));
}

}  // namespace
