#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "CliRunner.h"

namespace {

// Each bad input ends at once with its status and what standard error begins
// with: nothing blocks, grows or loops on. 2: no report, 64: a wrong command
// line, 1: nothing to write or the file cannot be saved. Stored page sizes no
// page can draw are brought within bounds, margins missing count as 0.
TEST(BadInput, EachEndsPromptlyWithItsStatusAndMessage) {
    TempDir home;
    const QString fifo = QString::fromStdString(home.File("fifo"));
    const QString endless = QString::fromStdString(home.File("endless.txt"));
    const QString out = QString::fromStdString(home.File("yok/rapor.out"));
    mkfifo(fifo.toUtf8(), 0600);
    // A gigabyte without a line end: "9" and then zero bytes, as a sparse file.
    std::ofstream(endless.toStdString(), std::ios::binary) << '9';
    std::filesystem::resize_file(endless.toStdString(), 1u << 30);
    const std::string noReport = "Rapor dosyası açılamadı:\n";
    const std::string cannotSave = "Dosya kaydedilemedi:\n" + out.toStdString() + "\n";
    const struct {
        QStringList args;
        const char* settings;  // the stored page setup, none when empty
        int status;
        std::string err;  // how standard error begins, empty when it stays empty
        const char* out;  // in standard output; nullptr: nothing there
    } cases[] = {
        {{"info", "/dev/zero"}, "", 2, noReport + "/dev/zero\n", nullptr},
        {{"info", "/no/such/report.txt"}, "", 2, noReport + "/no/such/report.txt\n", nullptr},
        {{"info", fifo}, "", 2, noReport, nullptr},
        {{"info", endless}, "", 0, "", "\"RowCount\": 1,"},
        {{"info", "SAMPLE", "--rows-per-page", "2147483647"},
         "",
         0,
         "--rows-per-page 2147483647",
         "\"RowsPerPage\": 100000,"},
        {{"info", "SAMPLE", "--rows-per-page", "-5"},
         "",
         0,
         "--rows-per-page -5",
         "\"RowsPerPage\": 1,"},
        {{"pdf", "SAMPLE", QString::fromStdString(home.File("o.pdf"))},
         "PageSizeY=2147483647\nFontSize=1\nPageOrient=1\n",
         0,
         "",
         nullptr},
        {{"info", "SAMPLE"},
         "PageSizeX=-11906\nPageSizeY=-16838\nPageOrient=1\n",
         0,
         "",
         "\"PrintableWidth\": 1440,"},
        {{"csv", "SAMPLE", out}, "", 1, cannotSave, nullptr},
        {{"pdf", "SAMPLE", out}, "", 1, cannotSave, nullptr},
        {{"png", "SAMPLE", out, "--page", "1"}, "", 1, cannotSave, nullptr},
        {{"pdf", "SAMPLE", out, "--pages", "3-2"}, "", 1, "Seçilen aralıkta", nullptr},
        {{"pdf", "SAMPLE", out, "--pages", "x"}, "", 64, "", nullptr},
        {{"pdf", "SAMPLE", out, "--pages", "0-2"}, "", 64, "", nullptr},
        {{"png", "SAMPLE", out, "--page", "4"}, "", 64, "", nullptr},
        {{"png", "SAMPLE", out, "--page", "0"}, "", 64, "", nullptr},
        {{"png", "SAMPLE", out, "--page", "1", "--zoom", "80"}, "", 64, "", nullptr},
        {{"png", "SAMPLE", out}, "", 64, "", nullptr}};
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

}  // namespace
