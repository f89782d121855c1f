#include <gtest/gtest.h>

#include "CliRunner.h"
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

// A report narrowed with --filter exports the bytes, and counts the pages and
// totals, that a report file holding only the kept rows does: the sample's
// rows whose city (column 3) is Ankara, found whole in any case. The comma
// text stands for the exports, which write the same rows.
TEST(ExportCommand, AFilteredReportIsAReportOfTheKeptRows) {
    TempDir home;
    std::string only;
    const std::string sample = ReadBytes(TABULON_TEST_DATA "/sample.txt");
    for (size_t at = 0, end; at < sample.size(); at = end + 2) {
        end = std::min(sample.find("\r\n", at), sample.size());
        const std::string line = sample.substr(at, end - at);
        if (line[0] != '9' || line.find("\tAnkara\t") != std::string::npos) only += line + "\r\n";
    }
    WriteBytes(home.File("yalniz.txt"), only);
    const QString kept = QString::fromStdString(home.File("yalniz.txt"));
    const QStringList filter = {"--filter", "ANKARA", "--column", "3", "--whole"};
    const QString out = QString::fromStdString(home.File("cikti.txt"));
    ASSERT_EQ(RunExport(QStringList{"txt", "SAMPLE", out} + filter, home).exitCode, 0);
    ASSERT_EQ(RunExport({"txt", kept, out + ".yalniz"}, home).exitCode, 0);
    EXPECT_EQ(ReadBytes(out.toStdString()), ReadBytes(out.toStdString() + ".yalniz"));
    const QJsonObject filtered = Json(RunExport(QStringList{"info", "SAMPLE"} + filter, home));
    EXPECT_EQ(filtered["RowCount"].toInt(), 4);
    EXPECT_EQ(filtered, Json(RunExport({"info", kept}, home)));
}
