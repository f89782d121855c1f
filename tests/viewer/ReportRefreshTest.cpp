#include <cstdio>
#include <filesystem>
#include <functional>

#include "ViewerHarness.h"
#include "viewer/ViewerStatusBar.h"
#include "viewer/ZoomControl.h"

using namespace Tabulon;

namespace {

// The report written again while it is shown: in place, renamed over, gone,
// and read again by F5; each time the window follows on its own (or at once
// for F5), keeping the page (or the last one) and the zoom.
TEST_F(ShownViewer, TheWindowFollowsTheReportAsItIsWrittenAgain) {
    const std::string path = h.folder.File("rapor.txt");
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_EQ(W().CurrentPage(), 3);
    ASSERT_EQ(W().ZoomFactor(), 0.75f);
    struct Case {
        const char* what;
        std::function<void()> change;
        std::string title;
        int64_t rows;
        int32_t page;
        std::string note;
    };
    const std::vector<Case> cases = {
        {"written again in place", [&] { WriteBytes(path, SalesReport(300, "YENİ RAPOR")); },
         "YENİ RAPOR", 300, 3, "Rapor yenilendi"},
        {"a shorter one renamed over it",
         [&] {
             WriteBytes(h.folder.File("yeni.txt"), SalesReport(100, "TAŞINAN"));
             std::filesystem::rename(h.folder.File("yeni.txt"), path);
         },
         "TAŞINAN", 100, 2, "Rapor yenilendi"},
        {"gone", [&] { std::filesystem::remove(path); }, "TAŞINAN", 100, 2,
         "Rapor dosyası açılamadı:"},
        {"back, and F5 at once",
         [&] {
             WriteBytes(path, SalesReport(10, "ELLE"));
             Key(Qt::Key_F5);
         },
         "ELLE", 10, 1, "Rapor yenilendi"},
    };
    for (const auto& [what, change, title, rows, page, note] : cases) {
        change();
        const QString caption = QString::fromStdString(title) + "-Rapor Görüntüleyici";
        const auto noted = [&] {
            return W().Status().NoteText().toStdString().starts_with(note) &&
                   W().windowTitle() == caption;
        };
        EXPECT_TRUE(QTest::qWaitFor(noted, 8000))
            << what << ": " << W().Status().NoteText().toStdString();
        EXPECT_EQ(W().Pages().rows.RecordCount(), rows) << what;
        EXPECT_EQ(W().CurrentPage(), page) << what;
        EXPECT_EQ(W().ZoomFactor(), 0.75f) << what;
    }
}

}  // namespace
