#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "CliRunner.h"

namespace {

// Each bad input ends at once with its status and what standard error begins
// with: nothing blocks, nothing grows, nothing loops on. 2: no report, 64: a
// wrong command line, 1: nothing to write or the file cannot be saved.
TEST(BadInput, EachEndsPromptlyWithItsStatusAndMessage) {
    TempDir home;
    mkfifo(home.File("fifo").c_str(), 0600);
    std::filesystem::create_directory(home.File("klasör"));
    // A gigabyte without a line end: "9" and then zero bytes, as a sparse file.
    std::ofstream(home.File("endless.txt"), std::ios::binary) << '9';
    std::filesystem::resize_file(home.File("endless.txt"), 1u << 30);
    const QString report = TestData("sample.txt"), noReport = "Rapor dosyası açılamadı:\n";
    const QString missing = QString::fromStdString(home.File("yok/rapor.out"));
    const QString cannotSave = "Dosya kaydedilemedi:\n" + missing + "\n";
    const struct {
        QStringList args;
        const char* settings;  // the stored page setup, none when empty
        int status;
        QString err;      // empty: standard error stays empty
        const char* out;  // in standard output; nullptr: it stays empty
    } cases[] = {
        {{"info", "/dev/zero"}, "", 2, noReport + "/dev/zero\n", nullptr},
        {{"info", "/no/such/report.txt"}, "", 2, noReport + "/no/such/report.txt\n", nullptr},
        {{"info", QString::fromStdString(home.File("fifo"))}, "", 2, noReport, nullptr},
        {{"info", QString::fromStdString(home.File("klasör"))}, "", 2, noReport, nullptr},
        {{"csv", "/dev/zero", missing}, "", 2, noReport, nullptr},
        {{"info", QString::fromStdString(home.File("endless.txt"))}, "", 0, "", "\"RowCount\": 1,"},
        {{"info", report, "--rows-per-page", "2147483647"},
         "",
         0,
         "--rows-per-page 2147483647",
         "\"RowsPerPage\": 100000,"},
        {{"info", report, "--rows-per-page", "-5"},
         "",
         0,
         "--rows-per-page -5",
         "\"RowsPerPage\": 1,"},
        {{"pdf", report, QString::fromStdString(home.File("o.pdf"))},
         "PageSizeY=2147483647\nFontSize=1\nPageOrient=1\n",
         0,
         "",
         ""},
        // Margins missing count as 0.
        {{"info", report},
         "PageSizeX=-11906\nPageSizeY=-16838\nPageOrient=1\n",
         0,
         "",
         "\"PrintableWidth\": 1440,"},
        {{"csv", report, missing}, "", 1, cannotSave, nullptr},
        {{"xlsx", report, missing}, "", 1, cannotSave, nullptr},
        {{"pdf", report, missing}, "", 1, cannotSave, nullptr},
        {{"png", report, missing, "--page", "1"}, "", 1, cannotSave, nullptr},
        {{"pdf", report, missing, "--pages", "3-2"}, "", 1, "Seçilen aralıkta", nullptr},
        {{"pdf", report, missing, "--pages", "x"}, "", 64, "", nullptr},
        {{"pdf", report, missing, "--pages", "0-2"}, "", 64, "", nullptr},
        {{"png", report, missing, "--page", "4"}, "", 64, "", nullptr},
        {{"png", report, missing, "--page", "0"}, "", 64, "", nullptr},
        {{"png", report, missing, "--page", "1", "--zoom", "80"}, "", 64, "", nullptr},
        {{"png", report, missing}, "", 64, "", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const std::string conf = home.File("config/Vornak Software/Tabulon.conf");
        std::filesystem::remove(conf);
        if (*c.settings) {
            std::filesystem::create_directories(home.File("config/Vornak Software"));
            WriteBytes(conf, std::string("[General]\n") + c.settings);
        }
        const ProgramRun run = RunExport(c.args, home);
        EXPECT_EQ(run.exitCode, c.status) << run.err.toStdString();
        if (c.status == 64)
            EXPECT_FALSE(run.err.isEmpty());
        else
            EXPECT_TRUE(c.err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(c.err))
                << run.err.toStdString();
        EXPECT_TRUE(c.out ? run.out.contains(QString::fromUtf8(c.out)) : run.out.isEmpty())
            << run.out.left(400).toStdString();
        EXPECT_FALSE(std::filesystem::exists(missing.toStdString()));
    }
}

}  // namespace
