#include <gtest/gtest.h>

#include "CliRunner.h"
#include "export/SheetReader.h"

using namespace Tabulon;

// Page 1 of two rows ends with a short row, so the titles are two.
TEST(ExportCommand, WritesTheFileTheWindowWouldRightAfterOpening) {
    const std::pair<const char*, std::string> cases[] = {
        {"csv", "1,Ayşe,1.234.56,\r\n2,Ali,\r\n3,Can,7.5,\r\n"},
        {"txt", "Kod,Ad,\r\n1,Ayşe,1.234,56,\r\n2,Ali,\r\n3,Can,7,5,\r\n"},
        {"tsv", "Kod\tAd\t\r\n1\tAyşe\t1.234,56\t\r\n2\tAli\t\r\n3\tCan\t7,5\t\r\n"},
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

// Row 2 of the workbook as an independent reader (Debian's own interpreter
// with openpyxl) sees it: the amounts are numbers of their value.
TEST(ExportCommand, ATurkishSessionWritesAmountsAsNumbersOfTheirValue) {
    TempDir home;
    const std::string out = home.File("satış.xlsx");
    ASSERT_EQ(RunExport({"xlsx", "SAMPLE", QString::fromStdString(out)}, home).exitCode, 0);
    const ProgramRun read =
        RunProgram("/usr/bin/python3", {"-c",
                                        "import sys, openpyxl\n"
                                        "sheet = openpyxl.load_workbook(sys.argv[1]).active\n"
                                        "print(' '.join(type(c.value).__name__ + '=' + str(c.value)"
                                        " for c in sheet[2]))",
                                        QString::fromStdString(out)});
    EXPECT_EQ(read.out,
              "int=100001 str=Fatma Demir str=Kayseri int=664 float=2486.27 "
              "float=1650883.28\n")
        << read.err;
}

// A report narrowed with --filter exports the bytes, and counts the pages and
// totals, that a report file holding only the kept rows does: the sample's
// rows whose city (column 3) is Ankara, found whole in any case. The comma
// text stands for the delimited formats, which write the same rows.
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
    const QStringList filter = {"--filter", "ANKARA", "--column", "3", "--whole"};
    for (const QString command : {"txt", "xlsx", "info"}) {
        const QString out = QString::fromStdString(home.File("cikti." + command.toStdString()));
        const bool info = command == "info";
        const ProgramRun filtered = RunExport(
            QStringList{command, "SAMPLE"} + (info ? QStringList{} : QStringList{out}) + filter,
            home);
        const ProgramRun whole =
            RunExport(QStringList{command, QString::fromStdString(home.File("yalniz.txt"))} +
                          (info ? QStringList{} : QStringList{out + ".yalniz"}),
                      home);
        ASSERT_EQ(filtered.exitCode, 0) << filtered.err;
        ASSERT_EQ(whole.exitCode, 0) << whole.err;
        if (info) {
            for (const char* key : {"\"RowCount\": 4,", "\"PageCount\":", "\"PageTotals\":",
                                    "\"ColumnWidths\":", "\"DrawnWidths\":"}) {
                const auto from = [&](const std::string& text) {
                    const size_t at = text.find(key);
                    return at == std::string::npos ? std::string() : text.substr(at, 200);
                };
                EXPECT_EQ(from(filtered.out), from(whole.out)) << key;
                EXPECT_FALSE(from(filtered.out).empty()) << key << filtered.out;
            }
        } else if (command == "xlsx") {
            EXPECT_EQ(SheetText(out.toStdString()), SheetText(out.toStdString() + ".yalniz"));
        } else {
            EXPECT_EQ(ReadBytes(out.toStdString()), ReadBytes(out.toStdString() + ".yalniz"));
        }
    }
}

// Where to look and what for must make sense before anything is read.
TEST(ExportCommand, BadFilterValuesAreRefused) {
    TempDir home;
    const struct {
        QStringList args;
        const char* said;
    } cases[] = {{{"info", "SAMPLE", "--filter", "a", "--column", "0"}, "--column 0 geçersiz"},
                 {{"info", "SAMPLE", "--filter", "a", "--column", "iki"}, "--column iki geçersiz"},
                 {{"info", "SAMPLE", "--filter", "a", "--column", "40"}, "--column 40 geçersiz"},
                 {{"csv", "SAMPLE", "x.csv", "--filter", ""}, "--filter için aranacak"},
                 {{"find", "SAMPLE", "a", "--column", "99"}, "--column 99 geçersiz"},
                 {{"info", "SAMPLE", "--whole"}, "Kullanım:"}};
    for (const auto& [args, said] : cases) {
        const ProgramRun run = RunExport(args, home);
        EXPECT_EQ(run.exitCode, 64) << args.join(' ').toStdString();
        EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    }
}
