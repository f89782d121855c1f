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
    void MoveTo(double atX, double atY) override {
        x = atX, y = atY;
        CanvasTarget::MoveTo(atX, atY);
    }
    void Print(std::string_view text) override {
        texts.push_back({std::string(text), x, y, Font(), FontSize(), FontBold()});
        CanvasTarget::Print(text);
    }
};

// The text alone on a white canvas, and the pixels around its box.
static std::pair<QImage, QRect> Alone(const RecordingTarget::TextOp& t, QSize size, float zoom) {
    CanvasTarget alone;
    alone.Resize(size.width() * 15, size.height() * 15);
    alone.SetScale(zoom);
    alone.Box(0, 0, size.width() * 15 / zoom, size.height() * 15 / zoom, White, true);
    alone.SetFont(t.font);
    alone.SetFontSize(t.size);
    alone.SetFontBold(t.bold);
    alone.MoveTo(t.x, t.y);
    alone.Print(t.text);
    const double w = alone.TextWidth(t.text), h = alone.TextHeight(t.text);
    return {alone.Image(),
            QRect(t.x * zoom / 15 - 4, t.y * zoom / 15 - 4, w * zoom / 15 + 12, h * zoom / 15 + 8)};
}

// Pixels `lone` inks, and how many of them `page` leaves blank, within `area`.
static std::pair<int, int> InkLost(const QImage& lone, const QImage& page, QRect area) {
    const auto ink = [](QRgb pixel) { return qGray(pixel) < 200; };
    int drawn = 0, lost = 0;
    area &= page.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ink(lone.pixel(x, y))) ++drawn, lost += !ink(page.pixel(x, y));
    return {drawn, lost};
}

// Text is wholly visible and only adds ink at every zoom: drawn alone at the
// same place, scale and font, each text (tall Turkish capitals and
// descenders in the header, fields, titles, totals, date and page number)
// inks no pixel the page leaves blank, and the page number blanks nothing of
// the totals boxes right above it on a full page.
TEST(ZoomedPage, TextIsWhollyVisibleAndOnlyAddsInkAtEveryZoom) {
    std::vector<std::string> lines = {"1ÇĞİŞÖÜ STOK RAPORU gyşğ",
                                      "2Kod\tAd\tAdet\tFiyat\tTutar\t",
                                      "36\t",
                                      "4\t\t++\t\t++\t",
                                      "5Z\tT\tN\t2\tC\t",
                                      "9100001\tİsmail Irmak\t999999\t1.234,56\t-98.765,43\t"};
    lines.resize(80, "9100002\tŞule Ölçer\t999999\t7,5\t1.650.883,28\t");
    TempDir dir;
    WriteBytes(dir.File("r.txt"), ReportText(lines));
    const PageSetup setup = DefaultPageSetup(1);
    const NumberLocale locale = NumberLocale::Turkish();
    WatchedCanvas canvas;
    ReportPages pages;
    LoadOptions options;
    options.locale = locale;
    ASSERT_TRUE(
        OpenReportPages(pages, dir.File("r.txt"), dir.File("B.DAT"), options, canvas, setup).Ok());
    const auto draw = [&](const PageSetup& drawn, float zoom) {
        canvas.Resize(static_cast<int>(25000 * zoom), static_cast<int>(setup.PageSizeY * zoom));
        canvas.texts.clear();
        EXPECT_TRUE(
            RenderPage(canvas, pages.Inputs(drawn, locale, {}), 1, zoom, pages.fieldCount).Ok());
        return canvas.Image();
    };
    PageSetup withoutNumbers = setup;
    withoutNumbers.pNumbers = false;
    for (float zoom : {0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f}) {
        SCOPED_TRACE(zoom);
        const QImage without = draw(withoutNumbers, zoom), page = draw(setup, zoom);
        EXPECT_EQ(InkLost(without, page, page.rect()).second, 0);
        std::set<std::string> seen;  // the rows repeat: each text once
        for (const RecordingTarget::TextOp& t : canvas.texts) {
            if (!seen.insert(t.text).second) continue;
            const auto [lone, area] = Alone(t, page.size(), zoom);
            const auto [drawn, lost] = InkLost(lone, page, area);
            EXPECT_TRUE(drawn > 0 && lost == 0) << t.text << ": " << lost << " of " << drawn;
        }
        EXPECT_TRUE(seen.contains("(98.765,43)") && seen.contains("Sayfa:1/2")) << seen.size();
    }
}
