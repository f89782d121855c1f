#include <gtest/gtest.h>

#include "CliRunner.h"
#include "export/SheetReader.h"

namespace {

// Page 1 of two rows ends with a short row, so the exports have two titles.
const std::string Report = ReportText({"1Başlık", "2Kod\tAd\tTutar\t", "5N\tT\tC\t",
                                       "91\tAyşe\t1.234,56\t", "92\tAli\t", "93\tCan\t7,5\t"});

struct CommandCase {
    const char* command;
    std::string expected;
};

TEST(ExportCommand, WritesTheFileTheWindowWouldRightAfterOpening) {
    const CommandCase cases[] = {
        {"csv", "1,Ayşe,1.234.56,\r\n2,Ali,\r\n3,Can,7.5,\r\n"},
        {"txt", "Kod,Ad,\r\n1,Ayşe,1.234,56,\r\n2,Ali,\r\n3,Can,7,5,\r\n"},
        {"tsv", "Kod\tAd\t\r\n1\tAyşe\t1.234,56\t\r\n2\tAli\t\r\n3\tCan\t7,5\t\r\n"},
    };
    for (const auto& c : cases) {
        TempDir home;
        WriteBytes(home.File("rapor.txt"), Report);
        const std::string out = home.File(std::string("çıktı.") + c.command);
        const CliRun run = RunExport({c.command, QString::fromStdString(home.File("rapor.txt")),
                                      QString::fromStdString(out), "--rows-per-page", "2"},
                                     home);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(ReadBytes(out), c.expected) << c.command;
    }
}

TEST(ExportCommand, WorkbookHoldsNumbersOfTheSystemLocale) {
    TempDir home;
    WriteBytes(home.File("rapor.txt"), Report);
    const std::string out = home.File("rapor.xlsx");
    const CliRun run = RunExport({"xlsx", QString::fromStdString(home.File("rapor.txt")),
                                  QString::fromStdString(out), "--rows-per-page", "2"},
                                 home, "tr_TR.UTF-8");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto cells = SheetCells(out);
    EXPECT_EQ(cells.at("B1").value, "Ad");
    EXPECT_FALSE(cells.count("C1"));
    EXPECT_EQ(cells.at("C2").value, "1234.56");
    EXPECT_EQ(cells.at("B4").value, "Can");
    EXPECT_EQ(cells.at("C4").value, "7.5");
}

TEST(ExportCommand, FailureIsReportedOnStandardErrorWithStatus1) {
    TempDir home;
    WriteBytes(home.File("rapor.txt"), Report);
    for (const char* command : {"csv", "xlsx"}) {
        const std::string out = home.File("yok/rapor.out");
        const CliRun run = RunExport(
            {command, QString::fromStdString(home.File("rapor.txt")), QString::fromStdString(out)},
            home);
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_TRUE(run.err.contains(QString::fromStdString("Dosya kaydedilemedi:\n" + out +
                                                            "\nNo such file or directory\n")))
            << run.err.toStdString();
    }
}

}  // namespace
