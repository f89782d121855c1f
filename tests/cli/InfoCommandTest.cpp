#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QJsonArray>
#include <csignal>

#include "CliRunner.h"

using namespace Tabulon;

// Measured on the page canvas: Times New Roman 10 points is 15 whole pixels at
// 96 dpi, 14968 / 225 - 8 rows; the quantity column is drawn wider for its total.
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
    EXPECT_TRUE(info["RowStore"].isNull());
    EXPECT_EQ(LeftIn(home), std::vector<std::string>{});
    EXPECT_NE(ReadBytes(home.File("config/Vornak Software/Tabulon.conf"))
                  .find("FontName=Times New Roman\nFontSize=10\nPageOrient=1\n"),
              std::string::npos);
}

// The sample writes amounts the Turkish way: in English they are no numbers.
TEST(InfoCommand, GivenRowsPerPageAndTheSystemLocaleDecideThePageTotals) {
    for (const auto& [lang, amounts] :
         {std::pair{"tr_TR.UTF-8", "43817142.5300"}, std::pair{"C.UTF-8", "0.0000"}}) {
        TempDir home;
        const QJsonObject info = Json(
            RunExport({"info", "SAMPLE", "--rows-per-page", "50", "--keep-row-store"}, home, lang));
        EXPECT_EQ(info["RowsPerPage"].toInt(), 50);
        const QJsonArray totals = info["PageTotals"].toArray();
        ASSERT_EQ(totals.size(), 3);
        EXPECT_EQ(totals[0].toArray().size(), 30);
        EXPECT_EQ(totals[0][0].toString(), "0.0000");
        EXPECT_EQ(totals[1][3].toString(), "39217.0000");
        EXPECT_EQ(totals[0][5].toString(), amounts);
        const std::string store = info["RowStore"].toString().toStdString();
        EXPECT_TRUE(store.ends_with("BUFFILE.DAT"));
        EXPECT_EQ(LeftIn(home), std::vector<std::string>{store});
        struct stat kept {};
        ASSERT_EQ(lstat(store.c_str(), &kept), 0);
        EXPECT_EQ(kept.st_mode & 0170777, S_IFREG | 0600u);
        EXPECT_EQ(kept.st_size, 130 * 512);
    }
}

TEST(FindCommand, ListsTheFieldsAsTheWindowFindsThem) {
    const int rows[] = {7, 18, 19, 37, 72, 73, 79, 80, 95, 96, 109, 117, 120, 126, 128};
    for (const auto& [args, perPage] : {std::pair{QStringList{"ALİ ŞAHİN"}, 59},
                                        {{"ali şahin", "--rows-per-page", "50"}, 50},
                                        {{"yok böyle"}, 0}}) {
        TempDir home;
        const ProgramRun run = RunExport(QStringList{"find", "SAMPLE"} + args, home);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::string listed, hits;  // "row,column,page " each
        for (const QJsonValue hit :
             QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).array())
            for (const char* key : {"Row", "Column", "Page"})
                listed += std::to_string(hit[key].toInt()) + (key[0] == 'P' ? " " : ",");
        for (int row : rows)
            if (perPage)
                hits += std::to_string(row) + ",2," + std::to_string((row - 1) / perPage + 1) + " ";
        EXPECT_EQ(listed, hits) << args.join(' ').toStdString();
    }
    TempDir home;
    EXPECT_EQ(RunExport({"find", "/yok/rapor.txt", "x"}, home).exitCode, 2);
}

// A temporary folder that fills up while the kept working file is written
// leaves nothing of it behind.
TEST(InfoCommand, KeptRowStoreGoesWhenTheFolderFillsUp) {
    TempDir home, data;
    std::string text = "1RAPOR\r\n";
    for (int i = 1; i <= 20000; ++i) text += "9" + std::to_string(i) + "\tAli\t1,50\t\r\n";
    WriteBytes(data.File("r.txt"), text);
    const ProgramRun run =
        RunProgram(TABULON_EXPORT_PROGRAM,
                   {"info", QString::fromStdString(data.File("r.txt")), "--keep-row-store"},
                   ExportEnvironment(home, "tr_TR.UTF-8"), [] {
                       std::signal(SIGXFSZ, SIG_IGN);
                       const rlimit limit{1 << 20, 1 << 20};
                       setrlimit(RLIMIT_FSIZE, &limit);
                   });
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("BUFFILE.DAT"), std::string::npos) << run.err;
    EXPECT_EQ(LeftIn(home), std::vector<std::string>{});
}

// Which page totals hold an amount beyond the range is told, and none of
// them is printed as a number.
TEST(InfoCommand, TellsWhichTotalsOverflow) {
    TempDir home, data;
    WriteBytes(data.File("r.txt"),
               ReportText({"1RAPOR", "2Kod\tAd\tTutar\t", "4\t\t++\t", "5Z\tT\tC\t",
                           "91\ta\t1,00\t", "92\tb\t2,00\t", "93\tc\t99.999.999.999.999.999,00\t",
                           "94\td\t4,00\t", "95\te\t5,00\t"}));
    const ProgramRun run = RunExport(
        {"info", QString::fromStdString(data.File("r.txt")), "--rows-per-page", "2"}, home);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject info = Json(run);
    EXPECT_EQ(QJsonDocument(info["OverflowTotals"].toArray()).toJson(QJsonDocument::Compact),
              "[[2,3]]");
    const QJsonArray totals = info["PageTotals"].toArray();
    ASSERT_EQ(totals.size(), 3);
    EXPECT_EQ(totals[0][2].toString(), "3.0000");
    EXPECT_EQ(totals[1][2].toString(), "########");
    EXPECT_EQ(totals[2][2].toString(), "5.0000");
}
