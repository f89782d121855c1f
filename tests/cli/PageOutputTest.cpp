#include <gtest/gtest.h>

#include <QImage>

#include "CliRunner.h"

namespace {

int Ink(const QImage& image, QRect area) {
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

TEST(PdfCommand, PrintsTheChosenPagesAsSelectableText) {
    const struct {
        const char* pages;
        int sheets;
        std::vector<const char*> firstSheet;  // besides the headers, titles and date line
    } cases[] = {
        {"all", 3, {"Sayfa:1/3", "1.650.883,28", "(513.323,55)"}},  // a negative amount
        {"odd", 2, {"Sayfa:1/3"}},
        {"even", 1, {"Sayfa:2/3"}},
        {"3", 1, {"Sayfa:3/3"}},
        {"2-9", 2, {"Sayfa:2/3"}},  // never past the last page
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pages);
        TempDir home;
        const std::string out = home.File("rapor.pdf");
        const ProgramRun run = RunExport(
            {"pdf", TestData("sample.txt"), QString::fromStdString(out), "--pages", c.pages}, home);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(PdfPageCount(out), c.sheets);
        EXPECT_NE(PdfInfo(out).find("A4"), std::string::npos);
        EXPECT_TRUE(Run("pdffonts", {QString::fromStdString(out)}).out.contains("Liberation"));
        const QString text = QString::fromStdString(PdfText(out, 1));
        std::vector<const char*> expected = {"VORNAK TİCARET A.Ş.", "Müşteri", "Tarih/Saat:"};
        expected.insert(expected.end(), c.firstSheet.begin(), c.firstSheet.end());
        for (const char* shown : expected)
            EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << text.toStdString();
    }
}

// The title row lies below three header lines (225 twips each) from the
// 810-twip top margin; the credit line near the bottom margin; nothing in
// the margins.
TEST(PngCommand, DrawsThePageCanvasAtEachZoom) {
    const struct {
        const char* zoom;
        bool paper;  // only the paper, not the whole canvas
        int width, height;
    } cases[] = {{"100", false, 1667, 1123},
                 {"75", false, 1250, 842},
                 {"50", false, 834, 562},
                 {"50", true, 397, 562}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        TempDir home;
        const QString out = QString::fromStdString(home.File("sayfa.png"));
        QStringList args{"png", TestData("sample.txt"), out, "--page", "2", "--zoom", c.zoom};
        if (c.paper) args << "--paper";
        const ProgramRun run = RunExport(args, home);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage image(out);
        EXPECT_EQ(image.size(), QSize(c.width, c.height));
        const double factor = std::stoi(c.zoom) / 100.0;
        auto px = [&](double twips) { return static_cast<int>(twips * factor / 15); };
        EXPECT_GT(Ink(image, QRect(px(810), px(1485), px(3000), px(225))), 50);
        EXPECT_GT(Ink(image, QRect(px(810), px(15500), px(3000), px(500))), 10);
        EXPECT_EQ(Ink(image, QRect(0, 0, image.width(), px(790))), 0);
        EXPECT_EQ(Ink(image, QRect(0, 0, px(780), image.height())), 0);
    }
}

}  // namespace
