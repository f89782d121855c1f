#include <gtest/gtest.h>
#include <signal.h>

#include <QThread>

#include "ProgramRun.h"

using namespace Tabulon;

// The files the program keeps open in the folder, once it holds any (within 30 s).
static std::vector<std::string> WaitUntilHolding(const QProcess& program,
                                                 const std::filesystem::path& folder) {
    const std::string fds = "/proc/" + std::to_string(program.processId()) + "/fd";
    std::vector<std::string> held;
    std::error_code error;
    for (int i = 0; i < 600 && held.empty(); ++i) {
        QThread::msleep(50);
        for (const auto& fd : std::filesystem::directory_iterator(fds, error)) {
            const std::filesystem::path target = std::filesystem::read_symlink(fd.path(), error);
            if (target.parent_path() == folder) held.push_back(target.string());
        }
    }
    return held;
}

// The working file has no name from the first row, so a stop with the page
// shown leaves nothing (a kill during the load neither: the store is made
// nameless, the row store's own test), and the window says nothing on
// standard error.
TEST(ViewerProgram, LeavesNoWorkingFileAndStartsSilently) {
    TempDir home;
    QProcess viewer;
    viewer.setProcessEnvironment(ExportEnvironment(home, "tr_TR.UTF-8"));
    viewer.start(TABULON_PROGRAM, {TABULON_TEST_DATA "/sample.txt"});
    ASSERT_TRUE(viewer.waitForStarted());
    const std::vector<std::string> held = WaitUntilHolding(viewer, home.Path());
    ASSERT_EQ(held.size(), 1u) << "no working file held by the window";
    EXPECT_TRUE(held[0].ends_with(" (deleted)")) << held[0];
    QThread::msleep(500);  // the page is shown by now
    kill(static_cast<pid_t>(viewer.processId()), SIGTERM);
    ASSERT_TRUE(viewer.waitForFinished(30000));
    EXPECT_EQ(LeftIn(home), std::vector<std::string>{});
    // The display-less platform the tests run on has a note of its own; a
    // real display gives none.
    std::string err = viewer.readAllStandardError().toStdString();
    const std::string offscreenNote = "This plugin does not support propagateSizeHints()\n";
    for (size_t at; (at = err.find(offscreenNote)) != std::string::npos;)
        err.erase(at, offscreenNote.size());
    EXPECT_EQ(err, "");
}
