#include <QProgressDialog>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "ViewerHarness.h"
#include "viewer/SelectionCommand.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

// 40 000 rows make about one and a half megabytes: the loader reads the
// first megabyte, hands out what it read, and is held as it asks to go on.
constexpr int HeldRows = 40000;

// The window over a report whose load is held from its second step on until
// let go, or until the load is asked to stop (the window closing). Its working
// file goes to a temporary folder of its own.
class HeldLoad : public ShownViewer {
  protected:
    void SetUp() override {
        setenv("TMPDIR", temporary.Path().c_str(), 1);
        h.environment.loadWatch = [this](int64_t, int64_t, const std::atomic<bool>& stop) {
            if (++steps < 2) return true;
            while (!letGo && !stop) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (stop) stopSeen = true;
            return true;
        };
        WriteBytes(h.folder.File("rapor.txt"), SalesReport(HeldRows));
        ASSERT_TRUE(h.StartOn(h.folder.File("rapor.txt"), h.environment));
        h.Show();
        // Once the load is held, what it handed out before is on its way to
        // the window: a slow build may need a few turns of the event loop.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while ((steps < 2 || W().PageCount() < 2) && std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        h.window.reset();  // before the flags its load reads
        setenv("TMPDIR", kept.c_str(), 1);
    }

    const std::string kept = std::getenv("TMPDIR");
    TempDir temporary;
    std::atomic<bool> letGo = false;
    std::atomic<bool> stopSeen = false;
    std::atomic<int> steps = 0;
};

// Page 1 is on screen while the load is held after its first megabyte: the
// page count is not known yet, the progress shows, the pages read can be
// turned to. A page not read yet, and the commands over the whole report, wait
// with a progress bar; cancelled, they leave the page as it was and do
// nothing, while the load goes on. Let go while waiting, the page is shown
// once read, with the same pages and totals as the report read whole.
TEST_F(HeldLoad, PageOneShowsWhileTheRestIsRead) {
    ASSERT_TRUE(W().Loading());
    EXPECT_EQ(W().Status().PageText(), "Sayfa 1 / ...");
    EXPECT_TRUE(W().Status().LoadingShown());
    EXPECT_EQ(W().windowTitle(), "SATIŞ RAPORU-Rapor Görüntüleyici");
    EXPECT_GT(W().Pages().shownWidths[4], 0);  // the amounts read so far have room already
    Key(Qt::Key_PageDown);
    EXPECT_EQ(W().Status().PageText(), "Sayfa 2 / ...");
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"End", [&] { Key(Qt::Key_End); }},
        {"select all", [&] { Menu().SelectAll->trigger(); }},
        {"print", [&] { W().Menu().DOS_05->trigger(); }},
    };
    for (const auto& [what, press] : cases) {
        SCOPED_TRACE(what);
        bool asked = false;
        OnModal<QProgressDialog> cancel([&](QProgressDialog* bar) {
            asked = bar->labelText() == "Rapor okunuyor: rapor.txt";
            bar->cancel();
        });
        press();
        EXPECT_TRUE(cancel.Fired() && asked);
        EXPECT_EQ(W().CurrentPage(), 2);
        EXPECT_TRUE(W().Loading());
        EXPECT_TRUE(W().Selection().Selection().Empty());
    }

    OnModal<QProgressDialog> waiting([&](QProgressDialog*) { letGo = true; });
    Key(Qt::Key_End);
    EXPECT_FALSE(W().Loading());
    EXPECT_FALSE(W().Status().LoadingShown());
    EXPECT_EQ(W().Pages().rows.RecordCount(), HeldRows);
    ViewerHarness whole;
    ASSERT_TRUE(whole.Open(SalesReport(HeldRows)));
    const ReportPages& a = W().Pages();
    const ReportPages& b = whole.Pages();
    ASSERT_EQ(a.totals.pageCount, b.totals.pageCount);
    EXPECT_TRUE(a.totals.complete);
    EXPECT_EQ(W().Status().PageText(), QString("Sayfa %1 / %1").arg(b.totals.pageCount));
    EXPECT_EQ(W().Ruler().widths, whole.W().Ruler().widths);
    for (int32_t page = 1; page <= a.totals.pageCount; ++page)
        ASSERT_EQ(a.totals.table.Get(page, 4).scaled, b.totals.table.Get(page, 4).scaled) << page;
}

// Closing the window in the middle of a load stops it at once and leaves
// nothing in the temporary folder.
TEST_F(HeldLoad, ClosingDuringTheLoadStopsItAndLeavesNothing) {
    W().CloseProgram();
    h.window.reset();
    EXPECT_TRUE(stopSeen);
    EXPECT_TRUE(std::filesystem::is_empty(temporary.Path()));
}

}  // namespace
