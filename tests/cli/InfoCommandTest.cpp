#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <cmath>

#include "CliRunner.h"

namespace {

// The first n entries of a JSON list of 50 as "a|b|".
std::string First(const QJsonValue& list, int n) {
    EXPECT_EQ(list.toArray().size(), 50);
    QString text;
    for (int i = 0; i < n; ++i) text += list[i].toVariant().toString() + "|";
    return text.toStdString();
}

TEST(InfoCommand, DescribesTheSampleReportAsTheWindowOpensIt) {
    TempDir home;
    const CliRun run = RunExport({"info", TestData("sample.txt")}, home);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject info = Json(run);
    EXPECT_EQ(info["RowCount"].toInt(), 130);
    EXPECT_EQ(info["HeaderCount"].toInt(), 3);
    EXPECT_EQ(info["HeaderLines"].toArray().size(), 10);
    EXPECT_EQ(info["HeaderLines"][0].toString(), QString::fromUtf8("VORNAK TİCARET A.Ş."));
    EXPECT_EQ(info["FieldCount"].toInt(), 6);
    EXPECT_EQ(First(info["ColumnTitles"], 7), "Kod|Müşteri|Şehir|Adet|Birim Fiyat|Tutar||");
    EXPECT_EQ(First(info["ColumnWidths"], 7), "6|14|10|5|11|18|0|");
    EXPECT_EQ(First(info["ColumnFormats"], 7), "000000|@|@|#,##0|#,##0.00|#,##0.00;(#,##0.00)||");
    EXPECT_EQ(First(info["ColumnKinds"], 7), "7|10|10|7|7|5|0|");
    EXPECT_EQ(First(info["ColumnTotalFlags"], 7), "false|false|false|true|false|true|false|");
    // Measured on the page canvas: Times New Roman 10 points is 15 whole
    // pixels high at 96 dpi.
    for (const char* margin : {"LeftMargin", "RightMargin", "TopMargin", "BottomMargin"})
        EXPECT_EQ(info[margin].toInt(), 810) << margin;
    EXPECT_EQ(info["PrintableWidth"].toInt(), 10286);
    EXPECT_EQ(info["PrintableHeight"].toInt(), 14968);
    EXPECT_EQ(info["RowHeight"].toInt(), 225);
    EXPECT_EQ(info["RowsPerPage"].toInt(), 59);  // 14968 / 225 - 8, rounded
    EXPECT_EQ(info["PageCount"].toInt(), 3);
    const int charWidth = info["CharWidth"].toInt();
    EXPECT_GT(charWidth, 100);
    EXPECT_EQ(info["CharsPerLine"].toInt(), std::lround(10286.0 / charWidth));
    EXPECT_EQ(First(info["ColumnFits"], 7), "true|true|true|true|true|true|false|");
    EXPECT_FALSE(QFile::exists(info["RowStore"].toString()));

    // The first run stored the default page setup where the window reads it.
    QFile conf(QString::fromStdString(home.File("config")) + "/Vornak Software/Tabulon.conf");
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    EXPECT_EQ(conf.readAll().toStdString(),
              "[General]\nFontName=Times New Roman\nFontSize=10\nPageOrient=1\nPageSizeX=11906\n"
              "PageSizeY=16838\nSpaceX1=15\nSpaceX2=15\nSpaceY1=15\nSpaceY2=15\naTotals=True\n"
              "pNumbers=True\npTotals=True\n");
}

TEST(InfoCommand, GivenRowsPerPageAndTheSystemLocaleDecideThePageTotals) {
    // The sample writes amounts the Turkish way; read in English they are not numbers.
    const struct {
        const char* lang;
        const char* amounts;  // column 6 on page 1
    } cases[] = {{"tr_TR.UTF-8", "43817142.5300"}, {"C.UTF-8", "0.0000"}};
    for (const auto& c : cases) {
        TempDir home;
        const CliRun run =
            RunExport({"info", TestData("sample.txt"), "--rows-per-page", "50", "--keep-row-store"},
                      home, c.lang);
        const QJsonObject info = Json(run);
        EXPECT_EQ(info["RowsPerPage"].toInt(), 50);
        EXPECT_EQ(info["RowHeight"].toInt(), 225);
        EXPECT_EQ(info["PageCount"].toInt(), 3);
        const QJsonArray totals = info["PageTotals"].toArray();
        ASSERT_EQ(totals.size(), 3);
        EXPECT_EQ(totals[0].toArray().size(), 30);
        EXPECT_EQ(totals[0][0].toString(), "0.0000");
        EXPECT_EQ(totals[1][3].toString(), "39217.0000");
        EXPECT_EQ(totals[0][5].toString(), c.amounts);
        const QString store = info["RowStore"].toString();
        EXPECT_TRUE(store.endsWith("BUFFILE.DAT"));
        EXPECT_EQ(QFile(store).size(), 130 * 512);
    }
}

TEST(InfoCommand, UnreadableReportEndsWithStatus2) {
    TempDir home;
    const CliRun run = RunExport({"info", "/no/such/report.txt", "--rows-per-page", "5"}, home);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(
        run.err.contains(QString::fromUtf8("Rapor dosyası açılamadı:\n/no/such/report.txt\n")));
    EXPECT_TRUE(run.out.isEmpty());
}

// The window's find from the command line: every field holding the text as
// the page shows it, with Turkish case rules, in report order with its page.
TEST(FindCommand, ListsTheFieldsAsTheWindowFindsThem) {
    const struct {
        QStringList args;
        const char* hits;  // "row,column,page " each
    } cases[] = {
        {{"ALİ ŞAHİN"},
         "7,2,1 18,2,1 19,2,1 37,2,1 72,2,2 73,2,2 79,2,2 80,2,2 95,2,2 96,2,2 109,2,2 117,2,2 "
         "120,2,3 126,2,3 128,2,3 "},
        {{"1.650.883,28"}, "1,6,1 "},
        {{"ali şahin", "--rows-per-page", "50"},
         "7,2,1 18,2,1 19,2,1 37,2,1 72,2,2 73,2,2 79,2,2 80,2,2 95,2,2 96,2,2 109,2,3 117,2,3 "
         "120,2,3 126,2,3 128,2,3 "},
        {{"yok böyle"}, ""},
    };
    for (const auto& c : cases) {
        TempDir home;
        const CliRun run = RunExport(QStringList{"find", TestData("sample.txt")} + c.args, home);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonArray hits = QJsonDocument::fromJson(run.out.toUtf8()).array();
        std::string listed;
        for (const QJsonValue& hit : hits)
            listed += std::to_string(hit["Row"].toInt()) + "," +
                      std::to_string(hit["Column"].toInt()) + "," +
                      std::to_string(hit["Page"].toInt()) + " ";
        EXPECT_EQ(listed, c.hits) << c.args.join(' ').toStdString();
    }
    TempDir home;
    EXPECT_EQ(RunExport({"find", "/yok/rapor.txt", "x"}, home).exitCode, 2);
}
}  // namespace
