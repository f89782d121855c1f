#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "CliRunner.h"

using namespace Tabulon;

// Nothing blocks, grows or loops on. Status 2: no report, 64: a wrong command
// line, 1: nothing to write or the file cannot be saved.
TEST(BadInput, EachEndsPromptlyWithItsStatusAndMessage) {
    TempDir home;
    const auto path = [&home](const char* name) { return QString::fromStdString(home.File(name)); };
    mkfifo(home.File("fifo").c_str(), 0600);
    // A gigabyte line, "9" and then zero bytes as a sparse file, and a row after it.
    WriteBytes(home.File("endless.txt"), "9");
    std::filesystem::resize_file(home.File("endless.txt"), 1u << 30);
    std::ofstream(home.File("endless.txt"), std::ios::app) << "\r9next\t\r\n";
    const QString out = path("yok/rapor.out");
    const std::string noReport = "Rapor dosyası açılamadı:\n";
    const std::string cannotSave = "Dosya kaydedilemedi:\n" + out.toStdString() + "\n";
    const char* hugePage = "PageSizeY=2147483647\nFontSize=1\nPageOrient=1\n";
    const char* negativePage = "PageSizeX=-11906\nPageSizeY=-16838\nPageOrient=1\n";
    // Settings with values missing are reset and kept aside, which is said.
    const std::string reset = "Sayfa ayarları kullanılamadı";
    const struct {
        QStringList args;
        int status;
        std::string err;            // how standard error begins, empty when it stays empty
        const char* out = nullptr;  // in standard output; nullptr: nothing there
        const char* settings = "";  // the stored page setup, none when empty
    } cases[] = {{{"info", "/dev/zero"}, 2, noReport + "/dev/zero\n"},
                 {{"info", "/no/such/report.txt"}, 2, noReport + "/no/such/report.txt\n"},
                 {{"info", path("fifo")}, 2, noReport},
                 {{"info", path("endless.txt")}, 0, "", "\"RowCount\": 2,"},
                 {{"info", "SAMPLE", "--rows-per-page", "2147483647"},
                  0,
                  "--rows-per-page 2147483647",
                  "\"RowsPerPage\": 100000,"},
                 {{"info", "SAMPLE", "--rows-per-page", "-5"},
                  0,
                  "--rows-per-page -5",
                  "\"RowsPerPage\": 1,"},
                 {{"pdf", "SAMPLE", path("o.pdf")}, 0, reset, nullptr, hugePage},
                 {{"info", "SAMPLE"}, 0, reset, "\"PrintableWidth\": 10286,", negativePage},
                 {{"csv", "SAMPLE", out}, 1, cannotSave},
                 {{"pdf", "SAMPLE", out}, 1, cannotSave},
                 {{"png", "SAMPLE", out, "--page", "1"}, 1, cannotSave},
                 {{"pdf", "SAMPLE", out, "--pages", "3-2"}, 1, "Seçilen aralıkta"},
                 {{"pdf", "SAMPLE", out, "--pages", "x"}, 64, ""},
                 {{"pdf", "SAMPLE", out, "--pages", "0-2"}, 64, ""},
                 {{"png", "SAMPLE", out, "--page", "4"}, 64, ""},
                 {{"png", "SAMPLE", out, "--page", "0"}, 64, ""},
                 {{"png", "SAMPLE", out, "--page", "1", "--zoom", "80"}, 64, ""},
                 {{"png", "SAMPLE", out}, 64, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const std::string conf = home.File("config/Vornak Software/Tabulon.conf");
        std::filesystem::remove(conf);
        if (*c.settings) {
            std::filesystem::create_directories(home.File("config/Vornak Software"));
            WriteBytes(conf, std::string("[General]\n") + c.settings);
        }
        const ProgramRun run = RunExport(c.args, home);
        EXPECT_EQ(run.exitCode, c.status) << run.err;
        EXPECT_TRUE(c.status == 64  ? !run.err.empty()
                    : c.err.empty() ? run.err.empty()
                                    : run.err.starts_with(c.err))
            << run.err;
        EXPECT_TRUE(c.out ? run.out.find(c.out) != std::string::npos : run.out.empty()) << run.out;
    }
}
