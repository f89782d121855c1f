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

TEST(WorkFilePrefix, IsTheTemporaryFolderFollowedByTheProcessId) {
    TempDir dir;
    ScopedTmpDir tmp(dir.Path().string());
    ReportModel model;
    const std::string prefix = dir.Path().string() + "/" + std::to_string(getpid());
    EXPECT_EQ(WorkFilePrefix(model), prefix);
    EXPECT_EQ(model.AppThreadId, getpid());
    EXPECT_EQ(RowStorePath(model), prefix + "BUFFILE.DAT");
}

TEST(WorkFilePrefix, MissingTemporaryFolderIsReportedOnEveryCall) {
    ScopedTmpDir tmp("/nonexistent/tabulon/tmp");
    ReportModel model;
    std::vector<std::string> messages;
    auto report = [&](const std::string& m) { messages.push_back(m); };
    EXPECT_EQ(WorkFilePrefix(model, report), "./" + std::to_string(getpid()));
    WorkFilePrefix(model, report);
    const std::string message = "Sistem Hatası.\nWindows temporary directory bulunamadı";
    EXPECT_EQ(messages, std::vector<std::string>(2, message));
}

}  // namespace
