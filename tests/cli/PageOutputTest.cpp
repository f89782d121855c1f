#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>

#include "CliRunner.h"

namespace {

QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& path) {
    const QString info = RunTool("pdfinfo", {path});
    for (const QString& line : info.split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

int Ink(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ++count;
    return count;
}

TEST(PdfCommand, WritesSelectableTextOfEveryPage) {
    TempDir home;
    const QString out = QString::fromStdString(home.File("rapor.pdf"));
    const CliRun run = RunExport({"pdf", TestData("sample.txt"), out}, home);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPages(out), 3);
    const QString page1 = RunTool("pdftotext", {"-f", "1", "-l", "1", out, "-"});
    EXPECT_TRUE(page1.contains(QString::fromUtf8("VORNAK TİCARET A.Ş."))) << page1.toStdString();
    EXPECT_TRUE(page1.contains(QString::fromUtf8("Müşteri")));
    EXPECT_TRUE(page1.contains("1.650.883,28"));
    EXPECT_TRUE(page1.contains("(513.323,55)"));  // a negative amount
    EXPECT_TRUE(page1.contains("Sayfa:1/3"));
    EXPECT_TRUE(page1.contains("Tarih/Saat:"));
    EXPECT_TRUE(RunTool("pdffonts", {out}).contains("Liberation"));
    EXPECT_TRUE(RunTool("pdfinfo", {out}).contains("A4"));
}

TEST(PdfCommand, PrintsTheChosenPages) {
    struct Case {
        const char* pages;
        int exitCode;
        int sheets;  // 0: no file
        const char* firstPage;
    };
    const Case cases[] = {
        {"all", 0, 3, "Sayfa:1/3"}, {"odd", 0, 2, "Sayfa:1/3"}, {"even", 0, 1, "Sayfa:2/3"},
        {"2-3", 0, 2, "Sayfa:2/3"}, {"3", 0, 1, "Sayfa:3/3"},   {"2-9", 0, 2, "Sayfa:2/3"},
        {"3-2", 1, 0, ""},          {"x", 64, 0, ""},           {"0-2", 64, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pages);
        TempDir home;
        const QString out = QString::fromStdString(home.File("rapor.pdf"));
        const CliRun run =
            RunExport({"pdf", TestData("sample.txt"), out, "--pages", c.pages}, home);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        if (c.sheets == 0) {
            EXPECT_FALSE(QFile::exists(out));
            EXPECT_FALSE(run.err.isEmpty());
            continue;
        }
        EXPECT_EQ(PdfPages(out), c.sheets);
        EXPECT_TRUE(RunTool("pdftotext", {"-f", "1", "-l", "1", out, "-"}).contains(c.firstPage));
    }
}

TEST(PngCommand, DrawsThePageCanvasAtEachZoom) {
    struct Case {
        const char* zoom;
        double factor;
    };
    for (const Case& c : {Case{"100", 1.0}, Case{"75", 0.75}, Case{"50", 0.5}}) {
        SCOPED_TRACE(c.zoom);
        TempDir home;
        const QString out = QString::fromStdString(home.File("sayfa.png"));
        const CliRun run =
            RunExport({"png", TestData("sample.txt"), out, "--page", "2", "--zoom", c.zoom}, home);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage image(out);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), static_cast<int>(std::ceil(25000 * c.factor / 15)));
        EXPECT_EQ(image.height(), static_cast<int>(std::ceil(16838 * c.factor / 15)));
        // The title row lies below three header lines (225 twips each) from
        // the 810-twip top margin; the credit line near the bottom margin.
        auto px = [&](double twips) { return static_cast<int>(twips * c.factor / 15); };
        EXPECT_GT(Ink(image, QRect(px(810), px(1485), px(3000), px(225))), 50);
        EXPECT_GT(Ink(image, QRect(px(810), px(15500), px(3000), px(500))), 10);
        // Nothing in the margins.
        EXPECT_EQ(Ink(image, QRect(0, 0, image.width(), px(790))), 0);
        EXPECT_EQ(Ink(image, QRect(0, 0, px(780), image.height())), 0);
    }
}

TEST(PngCommand, PaperOnlyEndsAtThePaperEdge) {
    TempDir home;
    const QString out = QString::fromStdString(home.File("sayfa.png"));
    const CliRun run = RunExport(
        {"png", TestData("sample.txt"), out, "--page", "1", "--zoom", "50", "--paper"}, home);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out);
    EXPECT_EQ(image.width(), 397);  // 11906 x 0.5 / 15, rounded up
    EXPECT_EQ(image.height(), 562);
}

TEST(PngCommand, RejectsPagesAndZoomsThatDoNotExist) {
    TempDir home;
    const QString out = QString::fromStdString(home.File("sayfa.png"));
    for (const QStringList& extra : {QStringList{"--page", "4"}, QStringList{"--page", "0"},
                                     QStringList{"--page", "1", "--zoom", "80"}, QStringList{}}) {
        const CliRun run = RunExport(QStringList{"png", TestData("sample.txt"), out} + extra, home);
        EXPECT_EQ(run.exitCode, 64) << extra.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST(PageOutput, UnwritableFileIsReported) {
    TempDir home;
    const QString out = QString::fromStdString(home.File("yok/rapor.pdf"));
    for (const char* command : {"pdf", "png"}) {
        QStringList args{command, TestData("sample.txt"), out};
        if (QString(command) == "png")
            args << "--page"
                 << "1";
        const CliRun run = RunExport(args, home);
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_TRUE(run.err.contains("Dosya kaydedilemedi:")) << run.err.toStdString();
    }
}

TEST(InfoCommand, MeasuresTheFontOnThePageCanvas) {
    TempDir home;
    const CliRun run = RunExport({"info", TestData("sample.txt")}, home);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject info = QJsonDocument::fromJson(run.out.toUtf8()).object();
    for (const char* margin : {"LeftMargin", "RightMargin", "TopMargin", "BottomMargin"})
        EXPECT_EQ(info[margin].toInt(), 810) << margin;
    EXPECT_EQ(info["PrintableWidth"].toInt(), 10286);
    EXPECT_EQ(info["PrintableHeight"].toInt(), 14968);
    // Times New Roman 10 points is 15 whole pixels high on a 96-dpi canvas.
    const int rowHeight = info["RowHeight"].toInt();
    EXPECT_EQ(rowHeight, 225);
    const int charWidth = info["CharWidth"].toInt();
    EXPECT_GT(charWidth, 100);
    EXPECT_EQ(info["RowsPerPage"].toInt(), std::lround(14968.0 / rowHeight - 8));
    EXPECT_EQ(info["CharsPerLine"].toInt(), std::lround(10286.0 / charWidth));
    EXPECT_EQ(info["PageCount"].toInt(),
              (130 + info["RowsPerPage"].toInt() - 1) / info["RowsPerPage"].toInt());
    const QJsonArray fits = info["ColumnFits"].toArray();
    ASSERT_EQ(fits.size(), 50);
    for (int c = 0; c < 6; ++c) EXPECT_TRUE(fits[c].toBool()) << c;
    EXPECT_FALSE(fits[6].toBool());
    // A given row count replaces the measured one.
    const CliRun fixed = RunExport({"info", TestData("sample.txt"), "--rows-per-page", "50"}, home);
    const QJsonObject fixedInfo = QJsonDocument::fromJson(fixed.out.toUtf8()).object();
    EXPECT_EQ(fixedInfo["RowsPerPage"].toInt(), 50);
    EXPECT_EQ(fixedInfo["RowHeight"].toInt(), 225);
    EXPECT_EQ(fixedInfo["PageCount"].toInt(), 3);
}

}  // namespace
