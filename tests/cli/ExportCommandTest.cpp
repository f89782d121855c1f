#include <gtest/gtest.h>

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
