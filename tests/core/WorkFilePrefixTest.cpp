#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "TestSupport.h"
#include "core/WorkFilePrefix.h"

namespace {

// Points TMPDIR somewhere for the life of one test; the test folders need it back.
struct ScopedTmpDir {
    const char* old = std::getenv("TMPDIR");
    std::string saved = old ? old : "";
    explicit ScopedTmpDir(const std::string& value) { setenv("TMPDIR", value.c_str(), 1); }
    ~ScopedTmpDir() { old ? setenv("TMPDIR", saved.c_str(), 1) : unsetenv("TMPDIR"); }
};

TEST(WorkFilePrefix, IsTheTemporaryFolderFollowedByTheProcessIdOrElseTheCurrentFolder) {
    TempDir dir;
    const std::string pid = std::to_string(getpid());
    {
        ScopedTmpDir tmp(dir.Path().string());
        const WorkFilePlace place = WorkFilePrefix();
        EXPECT_EQ(place.prefix, dir.Path().string() + "/" + pid);
        EXPECT_FALSE(place.temporaryFolderMissing);
        EXPECT_EQ(RowStorePath(place.prefix), place.prefix + "BUFFILE.DAT");
    }
    ScopedTmpDir tmp("/nonexistent/tabulon/tmp");
    const WorkFilePlace place = WorkFilePrefix();
    EXPECT_EQ(place.prefix, "./" + pid);
    EXPECT_TRUE(place.temporaryFolderMissing);
}

}  // namespace
