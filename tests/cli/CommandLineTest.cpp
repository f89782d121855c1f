#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "../../bench/ReportGenerator.h"
#include "ProgramRun.h"

using namespace Tabulon;

// The stored page setup of a fresh installation, in letters of 200 points.
static const std::string LargeFont =
    "[General]\nFontName=Times New Roman\nFontSize=200\nPageOrient=1\nPageSizeX=11906\n"
    "PageSizeY=16838\nSpaceX1=15\nSpaceX2=15\nSpaceY1=15\nSpaceY2=15\naTotals=True\n"
    "pNumbers=True\npTotals=True\n";

// What each command says on standard output and error, and its status. Bad
// input blocks, grows or loops on nothing, and nothing is left in the
// temporary folder or beside the output. Status 2: no report, 64: a wrong
// command line, 1: nothing to write or the file cannot be saved.
TEST(CommandLine, EachRunEndsWithItsStatusOutputAndMessage) {
    TempDir home, data;
    const auto path = [&data](const char* name) { return QString::fromStdString(data.File(name)); };
    // A gigabyte line, "9" and then zero bytes as a sparse file, and a row after it.
    WriteBytes(data.File("endless.txt"), "9");
    std::filesystem::resize_file(data.File("endless.txt"), 1u << 30);
    std::ofstream(data.File("endless.txt"), std::ios::app) << "\r9next\t\r\n";
    WriteLargeReport(data.File("rows.txt"), 20000);  // 10 MB of working file
    WriteBytes(data.File("overflow.txt"),
               ReportText({"1RAPOR", "2Kod\tAd\tTutar\t", "4\t\t++\t", "5Z\tT\tC\t",
                           "91\ta\t1,00\t", "92\tb\t2,00\t", "93\tc\t99.999.999.999.999.999,00\t",
                           "94\td\t4,00\t", "95\te\t5,00\t"}));
    const QString out = path("yok/rapor.out"), large = path("large.pdf");
    const std::string cannotSave = "Dosya kaydedilemedi:\n" + out.toStdString() + "\n";
    const std::string conf = home.File("config/Vornak Software/Tabulon.conf");
    // Each reset keeps the file aside, never over one kept before.
    const std::string reset =
        "Sayfa ayarları kullanılamadı, ilk kurulumun ayarları yüklendi; eski ayarlar: " + conf;
    const struct {
        QStringList args;
        int status;
        std::string err;                    // how standard error begins, empty when it stays empty
        std::vector<std::string> out = {};  // in standard output; none: nothing there
        std::optional<std::string> settings = {};  // the stored page setup, none if unset
        rlim_t fileSize = RLIM_INFINITY;
    } cases[] = {
        {{"find", "/yok/rapor.txt", "x"}, 2, "Rapor dosyası açılamadı:\n/yok/rapor.txt\n"},
        {{"info", path("endless.txt")}, 0, "", {"\"RowCount\": 2,"}},
        // Measured on the page canvas: Times New Roman 10 points is 15 whole pixels
        // at 96 dpi, 14968 / 225 - 8 rows; the quantity column is drawn wider for its total.
        {{"info", "SAMPLE"},
         0,
         "",
         {"\"RowCount\": 130,\n  \"HeaderCount\": 3,", "\"FieldCount\": 6,",
          "\"ColumnTitles\": [\"Kod\", \"Müşteri\",", "\"ColumnWidths\": [6, 14, 10, 5, 11, 18, 0,",
          "\"DrawnWidths\": [7, 14, 10, 7, 11, 18, 0,", "\"RowHeight\": 225,",
          "\"RowsPerPage\": 59,", "\"PageCount\": 3,",
          "\"41306.0000\", \"0.0000\", \"50104497.5100\",", "\"RowStore\": null"}},
        // Found as the window finds it, on the page the row prints on.
        {{"find", "SAMPLE", "ali şahin", "--rows-per-page", "48"},
         0,
         "",
         {"[\n  {\"Row\": 7, \"Column\": 2, \"Page\": 1},",
          "{\"Row\": 96, \"Column\": 2, \"Page\": 2},",
          "{\"Row\": 109, \"Column\": 2, \"Page\": 3},",
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
        {{"info", path("overflow.txt"), "--rows-per-page", "2"},
         0,
         "",
         {"\"PageTotals\": [\n    [\"0.0000\", \"0.0000\", \"3.0000\",",
          "\n    [\"0.0000\", \"0.0000\", \"########\",",
          "\"OverflowTotals\": [\n    [2, 3]\n  ],"}},
        // A full temporary folder ends the kept working file too.
        {{"info", path("rows.txt"), "--keep-row-store"},
         2,
         "Çalışma dosyası oluşturulamadı:\n" + home.Path().string() + "/",
         {},
         {},
         1 << 20},
        {{"info", "SAMPLE", "--rows-per-page", "2147483647"},
         0,
         "--rows-per-page 2147483647",
         {"\"RowsPerPage\": 100000,"}},
        {{"info", "SAMPLE", "--rows-per-page", "-5"},
         0,
         "--rows-per-page -5",
         {"\"RowsPerPage\": 1,"}},
        // Unusable values reset.
        {{"info", "SAMPLE"}, 0, reset + ".bozuk\n", {"\"RowsPerPage\": 59,"}, ""},
        {{"info", "SAMPLE"},
         0,
         reset + ".bozuk-2\n",
         {"\"PrintableWidth\": 10286,"},
         "[General]\nPageSizeX=-11906\n"},
        {{"csv", "SAMPLE", out}, 1, cannotSave},
        {{"pdf", "SAMPLE", out}, 1, cannotSave},
        {{"png", "SAMPLE", out, "--page", "1"}, 1, cannotSave},
        {{"pdf", "SAMPLE", out, "--pages", "3-2"}, 1, "Seçilen aralıkta"},
        // A page for each row at 200 points: the store fits, the PDF does not.
        {{"pdf", "SAMPLE", large},
         1,
         "Dosya kaydedilemedi:\n" + large.toStdString() +
             "\nPDF dosyası kaydedilemedi: " + large.toStdString() + "\nDosya çok büyük\n",
         {},
         LargeFont,
         100 << 10},
        {{"pdf", "SAMPLE", out, "--pages", "x"}, 64, ""},
        {{"pdf", "SAMPLE", out, "--pages", "0-2"}, 64, ""},
        {{"png", "SAMPLE", out, "--page", "4"}, 64, ""},
        {{"png", "SAMPLE", out, "--page", "1", "--zoom", "80"}, 64, ""},
        {{"png", "SAMPLE", out}, 64, ""},
        // Where to look and what for must make sense before anything is read.
        {{"info", "SAMPLE", "--filter", "a", "--column", "0"}, 64, "--column 0 geçersiz"},
        {{"info", "SAMPLE", "--filter", "a", "--column", "iki"}, 64, "--column iki geçersiz"},
        {{"info", "SAMPLE", "--filter", "a", "--column", "40"}, 64, "--column 40 geçersiz"},
        {{"csv", "SAMPLE", out, "--filter", ""}, 64, "--filter için aranacak"},
        {{"info", "SAMPLE", "--whole"}, 64, "Kullanım:"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        std::filesystem::remove(conf);
        if (c.settings) {
            std::filesystem::create_directories(home.File("config/Vornak Software"));
            WriteBytes(conf, *c.settings);
        }
        const auto entries = [&data] {
            return std::distance(std::filesystem::directory_iterator(data.Path()), {});
        };
        const auto before = entries();
        const ProgramRun run = RunExport(c.args, home, "tr_TR.UTF-8", c.fileSize);
        EXPECT_EQ(run.exitCode, c.status) << run.err;
        EXPECT_TRUE(c.err.empty() ? run.err.empty() == (c.status != 64)
                                  : run.err.starts_with(c.err))
            << run.err;
        EXPECT_EQ(c.out.empty(), run.out.empty()) << run.out;
        for (const std::string& part : c.out)
            EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
        EXPECT_EQ(LeftIn(home), std::vector<std::string>{});
        EXPECT_EQ(entries(), before + (c.status == 0 && c.args[0] == "pdf"));
    }
}
