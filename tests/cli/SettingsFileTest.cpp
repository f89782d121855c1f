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

// Bytes no editor would write: NULs, invalid UTF-8, stray brackets and signs.
std::string NoiseBytes() {
    std::string bytes;
    uint32_t state = 2463534242u;
    for (int i = 0; i < 700; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        bytes.push_back(static_cast<char>(state & 0xff));
    }
    return bytes;
}

}  // namespace

// A settings file as real machines leave it gives the page of a fresh
// installation (59 rows of Times New Roman 10 on A4 for the sample), keeps the
// file's bytes beside the new one and says so once, on the next run nothing.
TEST(SettingsFile, DamagedFileGivesTheFreshPageAndIsKept) {
    const struct {
        const char* damage;
        std::string bytes;
        mode_t mode = 0600;
    } cases[] = {
        {"empty", ""},
        {"noise", NoiseBytes()},
        {"keys missing", "[General]\nPageSizeX=11906\nSpaceY2=15\n"},
        {"text for a number", With("FontSize=10", "FontSize=on")},
        {"negative paper", With("PageSizeX=11906", "PageSizeX=-11906")},
        {"no paper", With("PageSizeY=16838", "PageSizeY=0")},
        {"negative margin", With("SpaceY1=15", "SpaceY1=-400")},
        {"no font", With("FontName=Times New Roman", "FontName=")},
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
