#include <QRadioButton>

#include "PageSetupTestSupport.h"
#include "dialogs/PagePreview.h"
#include "dialogs/SpinControl.h"
#include "dialogs/Twips.h"

namespace {

const QColor Black(0, 0, 0);
const QColor DarkRed(128, 0, 0);

// The colour the preview shows at a point given in its own twips.
QColor PreviewAt(QWidget& form, double x, double y) {
    auto* preview = Control<PagePreview>(form, "Picture1");
    const QImage shown = preview->grab().toImage();
    const QPoint at =
        preview->contentsRect().topLeft() + QPoint(PixelsFromTwips(x), PixelsFromTwips(y));
    EXPECT_TRUE(shown.rect().contains(at)) << x << ", " << y;
    return shown.pixelColor(at);
}

class PagePreviewTest : public ::testing::Test {
  protected:
    ReportModel model = DefaultSetup();
    MemorySettingsBackend settings;
};

// The page box runs from (x0, y0) to (pw, ph) itself, and each margin line is
// measured from that box and overhangs it by 80 twips.
TEST_F(PagePreviewTest, PageBoxAndMarginLinesFollowOrientationAndMargins) {
    model.SpaceX1 = 10;
    model.SpaceX2 = 20;
    model.SpaceY1 = 25;
    model.SpaceY2 = 30;
    struct Case {
        const char* option;
        double x0, y0, pw, ph;
    } cases[] = {{"Option_Dusey", 500, 100, 2800, 3600}, {"Option_Yatay", 100, 500, 3600, 2800}};
    for (const Case& c : cases) {
        FrmPageSetup form(model, settings);
        form.show();
        QTest::mouseClick(Control<QRadioButton>(form, c.option), Qt::LeftButton);
        const QColor face = form.palette().color(QPalette::Button);
        const double midX = (c.x0 + c.pw) / 2 + 100, midY = (c.y0 + c.ph) / 2 + 100;
        SCOPED_TRACE(c.option);

        EXPECT_EQ(PreviewAt(form, c.x0, midY), Black);
        EXPECT_EQ(PreviewAt(form, c.pw, midY), Black);
        EXPECT_EQ(PreviewAt(form, midX, c.y0), Black);
        EXPECT_EQ(PreviewAt(form, midX, c.ph), Black);
        // Nothing where origin plus size would have put the far edge (the
        // other one lies outside the picture).
        if (c.pw < c.ph)
            EXPECT_EQ(PreviewAt(form, c.x0 + c.pw, midY), face);
        else
            EXPECT_EQ(PreviewAt(form, midX, c.y0 + c.ph), face);
        EXPECT_EQ(PreviewAt(form, midX, midY), face);

        // Outside the box, within the overhang, only the margin lines show.
        EXPECT_EQ(PreviewAt(form, c.x0 + 10 * 15, c.y0 - 60), DarkRed);
        EXPECT_EQ(PreviewAt(form, c.pw - 20 * 15, c.ph + 60), DarkRed);
        EXPECT_EQ(PreviewAt(form, c.x0 - 60, c.y0 + 25 * 15), DarkRed);
        EXPECT_EQ(PreviewAt(form, c.pw + 60, c.ph - 30 * 15), DarkRed);
        // Past the overhang the lines stop.
        if (c.pw < c.ph)
            EXPECT_EQ(PreviewAt(form, c.x0 - 120, c.y0 + 25 * 15), face);
        else
            EXPECT_EQ(PreviewAt(form, c.x0 + 10 * 15, c.y0 - 120), face);
        EXPECT_EQ(PreviewAt(form, c.x0 - 60, midY), face);
    }
}

TEST_F(PagePreviewTest, ASquarePageIsPreviewedAsPortraitUnderBothOrientations) {
    model.PageSizeX = model.PageSizeY = 14000;
    for (const char* option : {"Option_Yatay", "Option_Dusey"}) {
        FrmPageSetup form(model, settings);
        form.show();
        QTest::mouseClick(Control<QRadioButton>(form, option), Qt::LeftButton);
        EXPECT_EQ(PreviewAt(form, 500, 2000), Black) << option;
        EXPECT_EQ(PreviewAt(form, 2800, 2000), Black) << option;
        EXPECT_EQ(PreviewAt(form, 1500, 3600), Black) << option;
    }
}

TEST_F(PagePreviewTest, SpinningAMarginMovesItsLineAndErasesTheOldOne) {
    FrmPageSetup form(model, settings);
    form.show();
    const QColor face = form.palette().color(QPalette::Button);
    auto* left = Control<SpinControl>(form, "V_PFeed(0)");
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(left, Qt::LeftButton, {}, QPoint(left->width() / 2, 1));
    EXPECT_EQ(PreviewAt(form, 500 + 20 * 15, 50), DarkRed);
    EXPECT_EQ(PreviewAt(form, 500 + 15 * 15, 50), face);
}

}  // namespace
