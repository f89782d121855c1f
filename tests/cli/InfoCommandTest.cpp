#include <gtest/gtest.h>

#include <QJsonArray>

#include "CliRunner.h"

using namespace Tabulon;

// Measured on the page canvas: Times New Roman 10 points is 15 whole pixels at
// 96 dpi, 14968 / 225 - 8 rows; the quantity column is drawn wider for its total.
// The sample writes amounts the Turkish way: in English they are no numbers.
TEST(InfoCommand, DescribesTheSampleReportAsTheWindowOpensIt) {
    TempDir home;
    const ProgramRun run = RunExport({"info", "SAMPLE"}, home);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject info = Json(run);
    std::string numbers;
    for (const char* key :
         {"RowCount", "HeaderCount", "FieldCount", "RowHeight", "RowsPerPage", "PageCount"})
        numbers += std::to_string(info[key].toInt()) + " ";
    EXPECT_EQ(numbers, "130 3 6 225 59 3 ");
    const QJsonArray drawn = info["DrawnWidths"].toArray();
    EXPECT_EQ(drawn.size(), 50);
    EXPECT_EQ(drawn[3].toInt() - info["ColumnWidths"][3].toInt(), 2);
    EXPECT_EQ(info["ColumnTitles"][1].toString(), "Müşteri");
    EXPECT_EQ(info["PageTotals"][0][5].toString(), "50104497.5100");
    EXPECT_TRUE(info["RowStore"].isNull());
    EXPECT_EQ(LeftIn(home), std::vector<std::string>{});

    const QJsonObject english = Json(RunExport(
        {"info", "SAMPLE", "--rows-per-page", "50", "--keep-row-store"}, home, "C.UTF-8"));
    EXPECT_EQ(english["RowsPerPage"].toInt(), 50);
    const QJsonArray totals = english["PageTotals"].toArray();
    ASSERT_EQ(totals.size(), 3);
    EXPECT_EQ(totals[0].toArray().size(), 30);
    EXPECT_EQ(totals[1][3].toString(), "39217.0000");
    EXPECT_EQ(totals[0][5].toString(), "0.0000");
    const std::string store = english["RowStore"].toString().toStdString();
    EXPECT_TRUE(store.ends_with("BUFFILE.DAT"));
    EXPECT_EQ(LeftIn(home), std::vector<std::string>{store});
    EXPECT_EQ(std::filesystem::file_size(store), 130 * 512u);
}
