#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "CliRunner.h"

namespace {

QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int Ink(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ++count;
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
        const QString out = QString::fromStdString(home.File("rapor.pdf"));
        const CliRun run =
            RunExport({"pdf", TestData("sample.txt"), out, "--pages", c.pages}, home);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QString info = RunTool("pdfinfo", {out});
        EXPECT_TRUE(info.contains(QRegularExpression(QString("Pages: +%1\n").arg(c.sheets))));
        EXPECT_TRUE(info.contains("A4"));
        EXPECT_TRUE(RunTool("pdffonts", {out}).contains("Liberation"));
        const QString text = RunTool("pdftotext", {"-f", "1", "-l", "1", out, "-"});
        std::vector<const char*> expected = {"VORNAK TİCARET A.Ş.", "Müşteri", "Tarih/Saat:"};
        expected.insert(expected.end(), c.firstSheet.begin(), c.firstSheet.end());
        for (const char* shown : expected)
            EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << text.toStdString();
    }
}

TEST(PageOutput, RefusesPagesAndZoomsThatDoNotExist) {
    // 64: the command line was wrong; 1: nothing to print.
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"pdf", "--pages", "x"}, 64},
        {{"pdf", "--pages", "0-2"}, 64},
        {{"pdf", "--pages", "3-2"}, 1},
        {{"png", "--page", "4"}, 64},
        {{"png", "--page", "0"}, 64},
        {{"png", "--page", "1", "--zoom", "80"}, 64},
        {{"png"}, 64},
    };
    TempDir home;
    const QString out = QString::fromStdString(home.File("sayfa"));
    for (const auto& c : cases) {
        QStringList args = c.args;
        args.insert(1, TestData("sample.txt"));
        args.insert(2, out);
        const CliRun run = RunExport(args, home);
        EXPECT_EQ(run.exitCode, c.exitCode) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFile::exists(out));
    }
}

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
        const CliRun run = RunExport(args, home);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage image(out);
        EXPECT_EQ(image.width(), c.width);
        EXPECT_EQ(image.height(), c.height);
        // The title row lies below three header lines (225 twips each) from
        // the 810-twip top margin; the credit line near the bottom margin;
        // nothing in the margins.
        const double factor = std::stoi(c.zoom) / 100.0;
        auto px = [&](double twips) { return static_cast<int>(twips * factor / 15); };
        EXPECT_GT(Ink(image, QRect(px(810), px(1485), px(3000), px(225))), 50);
        EXPECT_GT(Ink(image, QRect(px(810), px(15500), px(3000), px(500))), 10);
        EXPECT_EQ(Ink(image, QRect(0, 0, image.width(), px(790))), 0);
        EXPECT_EQ(Ink(image, QRect(0, 0, px(780), image.height())), 0);
    }
}

}  // namespace
