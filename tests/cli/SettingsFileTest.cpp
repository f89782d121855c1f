#include <gtest/gtest.h>
#include <unistd.h>

#include "CliRunner.h"

using namespace Tabulon;

namespace {

const std::string SoundSettings =
    "[General]\nFontName=Times New Roman\nFontSize=10\nPageOrient=1\nPageSizeX=11906\n"
    "PageSizeY=16838\nSpaceX1=15\nSpaceX2=15\nSpaceY1=15\nSpaceY2=15\naTotals=True\n"
    "pNumbers=True\npTotals=True\n";

std::string With(const std::string& line, const std::string& replacement) {
    std::string text = SoundSettings;
    const size_t at = text.find(line);
    return text.replace(at, line.size(), replacement);
}

}  // namespace

// A settings file as real machines leave it (which values are unusable is the
// settings store's own test) gives the page of a fresh installation (59 rows
// of Times New Roman 10 on A4 for the sample), keeps the file's bytes beside
// the new one and says so once, on the next run nothing.
TEST(SettingsFile, DamagedFileGivesTheFreshPageAndIsKept) {
    const struct {
        const char* damage;
        std::string bytes;
        mode_t mode = 0600;
    } cases[] = {
        {"empty", ""},
        {"noise", std::string("\0\xff[General\n\xc3(=\x80]\n-+", 19)},
        {"keys missing", "[General]\nPageSizeX=11906\nSpaceY2=15\n"},
        {"no paper", With("PageSizeY=16838", "PageSizeY=0")},
        {"unreadable", SoundSettings, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        // Root reads a file of mode 0 as any other.
        if (c.mode == 0 && geteuid() == 0) continue;
        TempDir home;
        const std::string folder = home.File("config/Vornak Software");
        std::filesystem::create_directories(folder);
        WriteBytes(folder + "/Tabulon.conf", c.bytes);
        chmod((folder + "/Tabulon.conf").c_str(), c.mode);

        const ProgramRun first = RunExport({"info", "SAMPLE"}, home);
        ASSERT_EQ(first.exitCode, 0) << first.err;
        EXPECT_EQ(Json(first)["RowsPerPage"].toInt(), 59);
        EXPECT_EQ(Json(first)["LeftMargin"].toInt(), 15 * 54);
        EXPECT_EQ(first.err,
                  "Sayfa ayarları kullanılamadı, ilk kurulumun ayarları yüklendi; "
                  "eski ayarlar: " +
                      folder + "/Tabulon.conf.bozuk\n");
        chmod((folder + "/Tabulon.conf.bozuk").c_str(), 0600);
        EXPECT_EQ(ReadBytes(folder + "/Tabulon.conf.bozuk"), c.bytes);
        EXPECT_NE(ReadBytes(folder + "/Tabulon.conf").find("FontSize=10\n"), std::string::npos);

        const ProgramRun second = RunExport({"info", "SAMPLE"}, home);
        EXPECT_EQ(second.err, "");
        EXPECT_EQ(Json(second)["RowsPerPage"].toInt(), 59);
    }
}

// Only unusable values are replaced: large ones are brought within a page as
// before, and an earlier kept file is never written over.
TEST(SettingsFile, KeepsWhatIsUsableAndEveryEarlierKeptFile) {
    TempDir home;
    const std::string folder = home.File("config/Vornak Software");
    std::filesystem::create_directories(folder);
    WriteBytes(folder + "/Tabulon.conf.bozuk", "older");
    std::string damaged = With("SpaceX1=15", "SpaceX1=20");
    damaged.replace(damaged.find("SpaceX2=15"), 10, "SpaceX2=99999");
    damaged.replace(damaged.find("FontSize=10"), 11, "FontSize=x");
    WriteBytes(folder + "/Tabulon.conf", damaged);
    const ProgramRun run = RunExport({"info", "SAMPLE"}, home);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Json(run)["LeftMargin"].toInt(), 20 * 54);
    EXPECT_EQ(Json(run)["RightMargin"].toInt(), 1000 * 54);
    EXPECT_EQ(ReadBytes(folder + "/Tabulon.conf.bozuk"), "older");
    EXPECT_EQ(ReadBytes(folder + "/Tabulon.conf.bozuk-2"), damaged);
    const std::string repaired = ReadBytes(folder + "/Tabulon.conf");
    EXPECT_NE(repaired.find("SpaceX1=20\n"), std::string::npos) << repaired;
    EXPECT_NE(repaired.find("FontSize=10\n"), std::string::npos) << repaired;
}
