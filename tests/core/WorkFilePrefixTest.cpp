#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "TestSupport.h"
#include "core/WorkFilePrefix.h"

namespace {

// Points TMPDIR somewhere for the life of one test.
class ScopedTmpDir {
  public:
    explicit ScopedTmpDir(const std::string& value) {
        if (const char* old = std::getenv("TMPDIR")) old_ = old;
        setenv("TMPDIR", value.c_str(), 1);
    }
    ~ScopedTmpDir() {
        if (old_.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", old_.c_str(), 1);
    }

  private:
    std::string old_;
};

TEST(WorkFilePrefix, IsTheTemporaryFolderFollowedByTheProcessId) {
    TempDir dir;
    ScopedTmpDir tmp(dir.Path().string());
    ReportModel model;
    const std::string id = std::to_string(getpid());
    EXPECT_EQ(WorkFilePrefix(model), dir.Path().string() + "/" + id);
    EXPECT_EQ(model.AppThreadId, getpid());
    EXPECT_EQ(RowStorePath(model), dir.Path().string() + "/" + id + "BUFFILE.DAT");
}

TEST(WorkFilePrefix, MissingTemporaryFolderReportsAndFallsBack) {
    ScopedTmpDir tmp("/nonexistent/tabulon/tmp");
    ReportModel model;
    std::vector<std::string> messages;
    const std::string prefix =
        WorkFilePrefix(model, [&](const std::string& m) { messages.push_back(m); });
    EXPECT_EQ(prefix, "./" + std::to_string(getpid()));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Sistem Hatası.\nWindows temporary directory bulunamadı");
    WorkFilePrefix(model, [&](const std::string& m) { messages.push_back(m); });
    EXPECT_EQ(messages.size(), 2u);  // every call asks again
}

}  // namespace
