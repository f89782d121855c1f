#include <gtest/gtest.h>

#include <QImage>

#include "ProgramRun.h"
#include "export/SheetReader.h"

using namespace Tabulon;

// Page 1 of two rows ends with a short row, so the titles are two.
TEST(ExportCommand, WritesTheFileTheWindowWouldRightAfterOpening) {
    const std::pair<const char*, std::string> cases[] = {
        {"txt", "Kod,Ad,\r\n1,Ayşe,1.234,56,\r\n2,Ali,\r\n3,Can,7,5,\r\n"},
        {"xlsx",
         "A1='Kod' s1\nA2=1 s2\nA3=2 s2\nA4=3 s2\nB1='Ad' s1\nB2='Ayşe'\nB3='Ali'\nB4='Can'\n"
         "C2=1234.56 s3\nC4=7.5 s3\n"}};
    TempDir home;
    WriteBytes(home.File("rapor.txt"),
               ReportText({"1Başlık", "2Kod\tAd\tTutar\t", "5N\tT\tC\t", "91\tAyşe\t1.234,56\t",
                           "92\tAli\t", "93\tCan\t7,5\t"}));
    for (const auto& [command, expected] : cases) {
        const std::string out = home.File(std::string("çıktı.") + command);
        const ProgramRun run = RunExport({command, QString::fromStdString(home.File("rapor.txt")),
                                          QString::fromStdString(out), "--rows-per-page", "2"},
                                         home);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(command == std::string("xlsx") ? SheetText(out) : ReadBytes(out), expected);
    }
}

// Titled by header line 1.
TEST(PdfCommand, PrintsTheChosenPagesAsSelectableText) {
    const std::pair<const char*, std::string> cases[] = {
        {"all", "1 2 3 "}, {"odd", "1 3 "}, {"even", "2 "}, {"3", "3 "}, {"2-9", "2 3 "}};
    for (const auto& [pages, shown] : cases) {
        TempDir home;
        const std::string out = home.File("rapor.pdf");
        const ProgramRun run =
            RunExport({"pdf", "SAMPLE", QString::fromStdString(out), "--pages", pages}, home);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::string numbers;
        for (const std::string& page : PdfPages(out)) {
            for (const char* text : {"VORNAK TİCARET A.Ş.", "Müşteri", "Tarih/Saat:"})
                EXPECT_NE(page.find(text), std::string::npos) << text;
            numbers += page.substr(page.find("Sayfa:") + 6, 1) + " ";
        }
        EXPECT_EQ(numbers, shown) << pages;
        const std::string info = RunProgram("pdfinfo", {QString::fromStdString(out)}).out;
        EXPECT_NE(info.find("Title:           VORNAK TİCARET A.Ş.\n"), std::string::npos) << info;
        EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
        EXPECT_NE(RunProgram("pdffonts", {QString::fromStdString(out)}).out.find("Liberation"),
                  std::string::npos);
        EXPECT_TRUE(shown[0] != '1' || PdfPages(out)[0].find("(513.323,55)") != std::string::npos);
    }
}

TEST(PngCommand, DrawsThePageCanvasAtEachZoom) {
    for (const auto& [zoom, paper, size] : {std::tuple{100, false, QSize{1667, 1123}},
                                            {75, false, QSize{1250, 842}},
                                            {50, false, QSize{834, 562}},
                                            {50, true, QSize{397, 562}}}) {
        SCOPED_TRACE(zoom);
        TempDir home;
        const QString out = QString::fromStdString(home.File("sayfa.png"));
        QStringList args{"png", "SAMPLE", out, "--page", "2", "--zoom", QString::number(zoom)};
        ASSERT_EQ(RunExport(paper ? args << "--paper" : args, home).exitCode, 0);
        const QImage image(out);
        EXPECT_EQ(image.size(), size);
        const auto ink = [&, factor = zoom / 100.0 / 15](double x, double y, double w, double h) {
            int count = 0;
            const QRect area = QRect(x * factor, y * factor, w * factor, h * factor) & image.rect();
            for (int py = area.top(); py <= area.bottom(); ++py)
                for (int px = area.left(); px <= area.right(); ++px)
                    count += image.pixel(px, py) != qRgb(255, 255, 255);
            return count;
        };
        EXPECT_GT(ink(810, 1485, 3000, 225), 50);
        EXPECT_GT(ink(810, 15500, 3000, 500), 10);
        EXPECT_EQ(ink(0, 0, 1e6, 790) + ink(0, 0, 780, 1e6), 0);
    }
}
