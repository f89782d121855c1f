#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "RecordingTarget.h"
#include "TestSupport.h"
#include "core/SettingsStore.h"
#include "platform/CanvasTarget.h"
#include "render/RenderPage.h"
#include "render/ReportPages.h"

using namespace Tabulon;

// The page canvas, remembering where each text went and in which font.
struct WatchedCanvas : CanvasTarget {
    std::vector<RecordingTarget::TextOp> texts;
    double x = 0, y = 0;
    void PSet(double atX, double atY, Rgb colour) override {
        x = atX, y = atY;
        CanvasTarget::PSet(atX, atY, colour);
    }
    void MoveTo(double atX, double atY) override {
        x = atX, y = atY;
        CanvasTarget::MoveTo(atX, atY);
    }
    void Print(std::string_view text) override {
        texts.push_back({std::string(text), x, y, Font(), FontSize(), FontBold()});
        CanvasTarget::Print(text);
    }
};

// Each text drawn alone at the same place, scale and font inks no pixel the page leaves blank.
TEST(ZoomedPage, EveryFieldTitleAndTotalIsWhollyVisibleAtEveryZoom) {
    TempDir dir;
    WriteBytes(dir.File("r.txt"),
               ReportText({"1STOK RAPORU", "2Kod\tAd\tAdet\tFiyat\tTutar\tNot\t", "36\t",
                           "4\t\t++\t\t++\t\t", "5Z\tT\tN\t2\tC\t\t",
                           "9100001\tİsmail Irmak\t999999\t1.234,56\t-98.765,43\tnot\t",
                           "9100002\tŞule Ölçer\t999999\t7,5\t1.650.883,28\tx\t"}));
    const PageSetup setup = DefaultPageSetup(1);
    WatchedCanvas canvas;
    ReportPages pages;
    LoadOptions options;
    options.locale = NumberLocale::Turkish();
    ASSERT_TRUE(
        OpenReportPages(pages, dir.File("r.txt"), dir.File("B.DAT"), options, canvas, setup).Ok());
    const auto ink = [](QRgb pixel) { return qGray(pixel) < 200; };
    for (float zoom : {0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f}) {
        SCOPED_TRACE(zoom);
        const int width = static_cast<int>(25000 * zoom), height = setup.PageSizeY * zoom;
        canvas.Resize(width, height);
        canvas.texts.clear();
        RenderPage(canvas, pages.Inputs(setup, options.locale, {}), 1, zoom, pages.fieldCount);
        const QImage page = canvas.Image();
        CanvasTarget alone;
        alone.Resize(width, height);
        alone.SetScale(zoom);
        const std::set<std::string> shown = {
            "Kod",          "Ad",           "Adet",        "Fiyat",    "Tutar",
            "100001",       "İsmail Irmak", "999.999",     "1.234,56", "(98.765,43)",
            "1.650.883,28", "1.999.998",    "1.552.117,85"};
        std::set<std::string> seen;
        for (const RecordingTarget::TextOp& t : canvas.texts) {
            if (!shown.contains(t.text)) continue;
            seen.insert(t.text);
            alone.SetFont(t.font);
            alone.SetFontSize(t.size);
            alone.SetFontBold(t.bold);
            const double w = alone.TextWidth(t.text), h = alone.TextHeight(t.text);
            alone.Box(t.x - 60 / zoom, t.y - 60 / zoom, t.x + w + 120 / zoom, t.y + h + 90 / zoom,
                      White, true);
            alone.PSet(t.x, t.y, White);
            alone.Print(t.text);
            const QRect area = QRect(t.x * zoom / 15 - 4, t.y * zoom / 15 - 4, w * zoom / 15 + 12,
                                     h * zoom / 15 + 8) &
                               page.rect();
            int drawn = 0, hidden = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (ink(alone.Image().pixel(x, y))) ++drawn, hidden += !ink(page.pixel(x, y));
            EXPECT_TRUE(drawn > 0 && hidden == 0) << t.text << ": " << hidden << " of " << drawn;
        }
        EXPECT_EQ(seen, shown);
    }
}

// Text only adds ink: the page number, the date and the headers, tall Turkish
// capitals and descenders included, blank nothing drawn before them (the
// totals boxes right above the page number on a full page) and lose none of
// their own pixels to the margins.
TEST(ZoomedPage, TextNeverBlanksWhatWasDrawnBefore) {
    const PageSetup setup = DefaultPageSetup(1);
    WatchedCanvas canvas;
    ReportPages pages;
    LoadOptions options;
    options.locale = NumberLocale::Turkish();
    ASSERT_TRUE(OpenReportPages(pages, TABULON_TEST_DATA "/tall-glyphs.txt",
                                TempDir().File("B.DAT"), options, canvas, setup)
                    .Ok());
    const auto ink = [](QRgb pixel) { return qGray(pixel) < 200; };
    for (float zoom : {0.5f, 0.75f, 1.0f, 2.0f}) {
        SCOPED_TRACE(zoom);
        const int width = static_cast<int>(12000 * zoom), height = setup.PageSizeY * zoom;
        const auto draw = [&](bool pageNumbers) {
            PageSetup drawn = setup;
            drawn.pNumbers = pageNumbers;
            canvas.Resize(width, height);
            canvas.texts.clear();
            RenderPage(canvas, pages.Inputs(drawn, options.locale, {}), 1, zoom, pages.fieldCount);
            return canvas.Image();
        };
        const QImage without = draw(false), page = draw(true);
        int blanked = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                blanked += ink(without.pixel(x, y)) && !ink(page.pixel(x, y));
        EXPECT_EQ(blanked, 0);

        CanvasTarget alone;
        alone.Resize(width, height);
        alone.SetScale(zoom);
        for (const RecordingTarget::TextOp& t : canvas.texts) {
            if (t.y > 1500 && t.y < setup.PageSizeY - 2000) continue;  // headers and foot
            alone.Box(0, 0, width / zoom, height / zoom, White, true);
            alone.SetFont(t.font);
            alone.SetFontSize(t.size);
            alone.SetFontBold(t.bold);
            alone.MoveTo(t.x, t.y);
            alone.Print(t.text);
            const QImage lone = alone.Image();
            int drawn = 0, lost = 0;
            for (int y = 0; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x)
                    if (ink(lone.pixel(x, y))) ++drawn, lost += !ink(page.pixel(x, y));
            EXPECT_TRUE(drawn > 0 && lost == 0) << t.text << ": " << lost << " of " << drawn;
        }
    }
}
