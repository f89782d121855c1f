#include <gtest/gtest.h>
#include <sys/stat.h>

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

// Files the run left in its temporary folder.
std::vector<std::string> LeftIn(const TempDir& home) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(home.Path()))
        if (entry.path().filename() != "config") names.push_back(entry.path().string());
    return names;
}

TEST(InfoCommand, DescribesTheSampleReportAsTheWindowOpensIt) {
    TempDir home;
    const ProgramRun run = RunExport({"info", TestData("sample.txt")}, home);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject info = Json(run);
    // Measured on the page canvas: Times New Roman 10 points is 15 whole
    // pixels high at 96 dpi; 14968 / 225 - 8 rows, rounded.
    const std::pair<const char*, int> numbers[] = {
        {"RowCount", 130},     {"HeaderCount", 3},        {"FieldCount", 6},
        {"LeftMargin", 810},   {"RightMargin", 810},      {"TopMargin", 810},
        {"BottomMargin", 810}, {"PrintableWidth", 10286}, {"PrintableHeight", 14968},
        {"RowHeight", 225},    {"RowsPerPage", 59},       {"PageCount", 3}};
    for (const auto& [key, value] : numbers) EXPECT_EQ(info[key].toInt(), value) << key;
    EXPECT_EQ(info["HeaderLines"].toArray().size(), 10);
    EXPECT_EQ(info["HeaderLines"][0].toString(), QString::fromUtf8("VORNAK TİCARET A.Ş."));
    const std::pair<const char*, const char*> lists[] = {
        {"ColumnTitles", "Kod|Müşteri|Şehir|Adet|Birim Fiyat|Tutar||"},
        {"ColumnWidths", "6|14|10|5|11|18|0|"},
        {"ColumnFormats", "000000|@|@|#,##0|#,##0.00|#,##0.00;(#,##0.00)||"},
        {"ColumnKinds", "7|10|10|7|7|5|0|"},
        {"ColumnTotalFlags", "false|false|false|true|false|true|false|"},
        {"ColumnFits", "true|true|true|true|true|true|false|"}};
    for (const auto& [key, text] : lists) EXPECT_EQ(First(info[key], 7), text) << key;
    const int charWidth = info["CharWidth"].toInt();
    EXPECT_GT(charWidth, 100);
    EXPECT_EQ(info["CharsPerLine"].toInt(), std::lround(10286.0 / charWidth));
    // Without --keep-row-store the working file never has a name.
    EXPECT_TRUE(info["RowStore"].isNull());
    EXPECT_EQ(LeftIn(home), std::vector<std::string>{});
    // The first run stored the default page setup where the window reads it.
    EXPECT_NE(ReadBytes(home.File("config/Vornak Software/Tabulon.conf"))
                  .find("FontName=Times New Roman\nFontSize=10\n"),
              std::string::npos);
}

// The sample writes amounts the Turkish way; read in English they are not
// numbers. A kept working file is the user's alone.
TEST(InfoCommand, GivenRowsPerPageAndTheSystemLocaleDecideThePageTotals) {
    for (const auto& [lang, amounts] :
         {std::pair{"tr_TR.UTF-8", "43817142.5300"}, std::pair{"C.UTF-8", "0.0000"}}) {
        TempDir home;
        const ProgramRun run =
            RunExport({"info", TestData("sample.txt"), "--rows-per-page", "50", "--keep-row-store"},
                      home, lang);
        const QJsonObject info = Json(run);
        EXPECT_EQ(info["RowsPerPage"].toInt(), 50);
        EXPECT_EQ(info["PageCount"].toInt(), 3);
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
        EXPECT_TRUE(S_ISREG(kept.st_mode));
        EXPECT_EQ(kept.st_mode & 0777, 0600u);
        EXPECT_EQ(kept.st_size, 130 * 512);
    }
}

}  // namespace
