#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "platform/CanvasTarget.h"
#include "platform/PrinterTarget.h"

namespace {

TEST(PrinterTarget, PaperExtentAndOwnMetrics) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    PrinterTarget target(painter);
    EXPECT_NEAR(target.Width(), 16838, 1);
    EXPECT_NEAR(target.Height(), 11906, 1);

    target.SetFont("Times New Roman");
    target.SetFontSize(10);
    CanvasTarget canvas;
    canvas.SetFont("Times New Roman");
    canvas.SetFontSize(10);
    const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    // Paper fonts measure a little differently from the whole pixels of a screen.
    EXPECT_NEAR(target.TextWidth(letters) / 36, canvas.TextWidth(letters) / 36, 8);
    EXPECT_NEAR(target.TextHeight("0123456789"), 221, 6);
    target.SetFontSize(7.5f);
    EXPECT_EQ(target.CurrentFont().pointSizeF(), 7.5);
    target.Print("Tarih/Saat:");
    painter.end();
    EXPECT_TRUE(buffer.data().startsWith("%PDF"));
}

TEST(PrinterTarget, DrawsInTheDeviceResolution) {
    // Any paint device will do: an image at 600 dots per inch, 2 x 1 inches.
    QImage image(1200, 600, QImage::Format_RGB32);
    image.setDotsPerMeterX(23622);
    image.setDotsPerMeterY(23622);
    image.fill(Qt::white);
    QPainter painter(&image);
    PrinterTarget target(painter);
    EXPECT_EQ(target.Width(), 2880);
    EXPECT_EQ(target.Height(), 1440);
    target.Box(720, 360, 1440, 720, Black, true);  // half an inch from the corner
    painter.end();
    EXPECT_EQ(image.pixel(310, 160), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(590, 290), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(290, 160), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(610, 160), qRgb(255, 255, 255));
}

}  // namespace
