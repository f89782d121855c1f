#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "TestSupport.h"
#include "core/WorkFilePrefix.h"

using namespace Tabulon;

TEST(WorkFilePrefix, IsTheTemporaryFolderFollowedByTheProcessIdOrElseTheCurrentFolder) {
    TempDir dir;
    const std::string pid = std::to_string(getpid()), saved = std::getenv("TMPDIR") ?: "";
    for (const std::string& tmp : {dir.Path().string(), std::string("/nonexistent/tabulon/tmp")}) {
        setenv("TMPDIR", tmp.c_str(), 1);
        const WorkFilePlace place = WorkFilePrefix();
        const bool missing = tmp != dir.Path().string();
        EXPECT_EQ(place.prefix, (missing ? "." : tmp) + "/" + pid);
        EXPECT_EQ(place.temporaryFolderMissing, missing);
    }
    saved.empty() ? unsetenv("TMPDIR") : setenv("TMPDIR", saved.c_str(), 1);
}
