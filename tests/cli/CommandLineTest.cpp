#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <optional>

#include "../../bench/ReportGenerator.h"
#include "ProgramRun.h"

using namespace Tabulon;

namespace {

// The stored page setup of a fresh installation, in letters of 200 points.
const std::string LargeFont =
    "[General]\nFontName=Times New Roman\nFontSize=200\nPageOrient=1\nPageSizeX=11906\n"
    "PageSizeY=16838\nSpaceX1=15\nSpaceX2=15\nSpaceY1=15\nSpaceY2=15\naTotals=True\n"
    "pNumbers=True\npTotals=True\n";
// "DATA/" and "HOME/" stand for the run's report folder and its home, in the
// arguments and in what is said.
const std::string CannotSave = "Dosya kaydedilemedi:\nDATA/yok/rapor.out\n";
// Each reset keeps the file aside, never over one kept before.
const std::string Reset =
    "Sayfa ayarları kullanılamadı, ilk kurulumun ayarları yüklendi; eski ayarlar: "
    "HOME/config/Vornak Software/Tabulon.conf";

// What each command says on standard output and error, and its status. Bad
// input blocks, grows or loops on nothing, and nothing is left in the
// temporary folder or beside the output. Status 2: no report, 64: a wrong
// command line, 1: nothing to write or the file cannot be saved.
const struct CliRun {
    QStringList args;
    int status;
    std::string err;                    // how standard error begins, empty when it stays empty
    std::vector<std::string> out = {};  // in standard output; none: nothing there
    std::optional<std::string> settings = {};  // the stored page setup, none if unset
    rlim_t fileSize = RLIM_INFINITY;
} Runs[] = {
    {{"find", "/yok/rapor.txt", "x"}, 2, "Rapor dosyası açılamadı:\n/yok/rapor.txt\n"},
    // With no spooler to ask there is no printer: print says so, printers lists none.
    {{"print", "SAMPLE"}, 4, "Yazdırılamadı: Sistemde tanımlı yazıcı yok.\n"},
    {{"printers"}, 0, ""},
    {{"info", "DATA/endless.txt"}, 0, "", {"\"RowCount\": 2,"}},
    // Measured on the page canvas: Times New Roman 10 points is 15 whole pixels
    // at 96 dpi, 14968 / 225 - 8 rows; the quantity column is drawn wider for its total.
    {{"info", "SAMPLE"},
     0,
     "",
     {"\"RowCount\": 130,\n  \"HeaderCount\": 3,", "\"FieldCount\": 6,",
      "\"ColumnTitles\": [\"Kod\", \"Müşteri\",", "\"ColumnWidths\": [6, 14, 10, 5, 11, 18, 0,",
      "\"DrawnWidths\": [7, 14, 10, 7, 11, 18, 0,", "\"RowHeight\": 225,", "\"RowsPerPage\": 59,",
      "\"PageCount\": 3,", "\"41306.0000\", \"0.0000\", \"50104497.5100\",", "\"RowStore\": null"}},
    // Found as the window finds it, on the page the row prints on.
    {{"find", "SAMPLE", "ali şahin", "--rows-per-page", "48"},
     0,
     "",
     {"[\n  {\"Row\": 7, \"Column\": 2, \"Page\": 1},",
      "{\"Row\": 96, \"Column\": 2, \"Page\": 2},", "{\"Row\": 109, \"Column\": 2, \"Page\": 3},",
      "{\"Row\": 128, \"Column\": 2, \"Page\": 3}\n]"}},
    {{"find", "SAMPLE", "yok böyle"}, 0, "", {"[]\n"}},
    // Narrowed, the report is measured and counted again: the sample's Ankara rows.
    {{"info", "SAMPLE", "--filter", "ANKARA", "--column", "3", "--whole"},
     0,
     "",
     {"\"RowCount\": 4,", "\"ColumnWidths\": [6, 13, 6, 4, 11, 17, 0,",
      "\"PageTotals\": [\n    [\"0.0000\", \"0.0000\", \"0.0000\", \"3207.0000\", "
      "\"0.0000\", \"3306109.9900\","}},
    // A total beyond the range is listed and printed as no number.
    {{"info", "DATA/overflow.txt", "--rows-per-page", "2"},
     0,
     "",
     {"\"PageTotals\": [\n    [\"0.0000\", \"0.0000\", \"3.0000\",",
      "\n    [\"0.0000\", \"0.0000\", \"########\",", "\"OverflowTotals\": [\n    [2, 3]\n  ],"}},
    // A full temporary folder ends the kept working file too.
    {{"info", "DATA/rows.txt", "--keep-row-store"},
     2,
     "Çalışma dosyası oluşturulamadı:\nHOME/",
     {},
     {},
     1 << 20},
    {{"info", "SAMPLE", "--rows-per-page", "2147483647"},
     0,
     "--rows-per-page 2147483647",
     {"\"RowsPerPage\": 100000,"}},
    {{"info", "SAMPLE", "--rows-per-page", "-5"}, 0, "--rows-per-page -5", {"\"RowsPerPage\": 1,"}},
    // Unusable values reset.
    {{"info", "SAMPLE"}, 0, Reset + ".bozuk\n", {"\"RowsPerPage\": 59,"}, ""},
    {{"info", "SAMPLE"},
     0,
     Reset + ".bozuk-2\n",
     {"\"PrintableWidth\": 10286,"},
     "[General]\nPageSizeX=-11906\n"},
    {{"csv", "SAMPLE", "DATA/yok/rapor.out"}, 1, CannotSave},
    {{"pdf", "SAMPLE", "DATA/yok/rapor.out"}, 1, CannotSave},
    {{"png", "SAMPLE", "DATA/yok/rapor.out", "--page", "1"}, 1, CannotSave},
    {{"pdf", "SAMPLE", "DATA/yok/rapor.out", "--pages", "3-2"}, 1, "Seçilen aralıkta"},
    // A page for each row at 200 points: the store fits, the PDF does not.
    {{"pdf", "SAMPLE", "DATA/large.pdf"},
     1,
     "Dosya kaydedilemedi:\nDATA/large.pdf\n"
     "PDF dosyası kaydedilemedi: DATA/large.pdf\nDosya çok büyük\n",
     {},
     LargeFont,
     100 << 10},
    {{"pdf", "SAMPLE", "DATA/yok/rapor.out", "--pages", "x"}, 64, ""},
    {{"pdf", "SAMPLE", "DATA/yok/rapor.out", "--pages", "0-2"}, 64, ""},
    {{"png", "SAMPLE", "DATA/yok/rapor.out", "--page", "4"}, 64, ""},
    {{"png", "SAMPLE", "DATA/yok/rapor.out", "--page", "1", "--zoom", "80"}, 64, ""},
    {{"png", "SAMPLE", "DATA/yok/rapor.out"}, 64, ""},
    // Where to look and what for must make sense before anything is read.
    {{"info", "SAMPLE", "--filter", "a", "--column", "0"}, 64, "--column 0 geçersiz"},
    {{"info", "SAMPLE", "--filter", "a", "--column", "iki"}, 64, "--column iki geçersiz"},
    {{"info", "SAMPLE", "--filter", "a", "--column", "40"}, 64, "--column 40 geçersiz"},
    {{"csv", "SAMPLE", "DATA/yok/rapor.out", "--filter", ""}, 64, "--filter için aranacak"},
    {{"info", "SAMPLE", "--whole"}, 64, "Kullanım:"}};

// The reports the table reads beside the sample.
void WriteReports(const TempDir& data) {
    // A gigabyte line, "9" and then zero bytes as a sparse file, and a row after it.
    WriteBytes(data.File("endless.txt"), "9");
    std::filesystem::resize_file(data.File("endless.txt"), 1u << 30);
    std::ofstream(data.File("endless.txt"), std::ios::app) << "\r9next\t\r\n";
    WriteLargeReport(data.File("rows.txt"), 20000);  // 10 MB of working file
    WriteBytes(data.File("overflow.txt"),
               ReportText({"1RAPOR", "2Kod\tAd\tTutar\t", "4\t\t++\t", "5Z\tT\tC\t",
                           "91\ta\t1,00\t", "92\tb\t2,00\t", "93\tc\t99.999.999.999.999.999,00\t",
                           "94\td\t4,00\t", "95\te\t5,00\t"}));
}

}  // namespace

TEST(CommandLine, EachRunEndsWithItsStatusOutputAndMessage) {
    TempDir home, data;
    WriteReports(data);
    const std::string conf = home.File("config/Vornak Software/Tabulon.conf");
    const QString dataFolder = QString::fromStdString(data.Path().string() + "/");
    const auto entries = [&data] {
        return std::distance(std::filesystem::directory_iterator(data.Path()), {});
    };
    for (const CliRun& c : Runs) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        std::filesystem::remove(conf);
        if (c.settings) {
            std::filesystem::create_directories(home.File("config/Vornak Software"));
            WriteBytes(conf, *c.settings);
        }
        const std::string err = QString::fromStdString(c.err)
                                    .replace("DATA/", dataFolder)
                                    .replace("HOME/", QString::fromStdString(home.File("")))
                                    .toStdString();
        const auto before = entries();
        const ProgramRun run = RunExport(QStringList(c.args).replaceInStrings("DATA/", dataFolder),
                                         home, "tr_TR.UTF-8", c.fileSize);
        EXPECT_EQ(run.exitCode, c.status) << run.err;
        EXPECT_TRUE(err.empty() ? run.err.empty() == (c.status != 64) : run.err.starts_with(err))
            << run.err;
        EXPECT_EQ(c.out.empty(), run.out.empty()) << run.out;
        for (const std::string& part : c.out)
            EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
        EXPECT_EQ(LeftIn(home), std::vector<std::string>{});
        EXPECT_EQ(entries(), before + (c.status == 0 && c.args[0] == "pdf"));
    }
}

// The sample writes amounts the Turkish way: in English they are no numbers.
// A kept working file is left for the caller, whole.
TEST(InfoCommand, KeepsTheWorkingFileAndReadsNumbersByTheLocale) {
    TempDir home;
    const ProgramRun run =
        RunExport({"info", "SAMPLE", "--rows-per-page", "50", "--keep-row-store"}, home, "C.UTF-8");
    const QJsonObject english =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
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
