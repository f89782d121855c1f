#include <QPushButton>
#include <filesystem>
#include <functional>
#include <tuple>
#include <utility>

#include "ViewerHarness.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

using Refresh = ShownViewer;

// The report written again while it is shown: in place, renamed over, gone,
// read again by F5, and grown past the temporary folder's room; each time the
// window follows on its own (or at once for F5), keeping the page (or the
// last one) and the zoom, and a report it cannot read leaves the one shown.
TEST_F(Refresh, TheWindowFollowsTheReportAsItIsWrittenAgain) {
    const std::string path = h.folder.File("rapor.txt");
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_EQ(W().CurrentPage(), 3);
    ASSERT_EQ(W().ZoomFactor(), 0.75f);
    const std::vector<
        std::tuple<const char*, std::function<void()>, std::string, int64_t, int32_t, std::string>>
        cases = {
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
            {"too large for the temporary folder",
             [&] {
                 h.room = 1000;
                 WriteBytes(path, SalesReport(3000));
                 Key(Qt::Key_F5);
             },
             "ELLE", 10, 1, "Geçici klasörde rapor için yeterli yer yok: /"},
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

// The program writing the report adds rows while the window reads it: the
// window shows what it read with a note saying the report changed, and
// "Yeniden Oku" reads it again (with what was added since) on the page shown.
TEST(ChangedReportWindow, NoteAndReadAgainKeepingThePage) {
    ViewerHarness h;
    const std::string report = h.folder.File("rapor.txt");
    WriteBytes(report, SalesReport(200));
    const std::string more = SalesReport(200).substr(SalesReport(0).size());  // 200 rows
    bool added = false;
    h.environment.loadWatch = [&](int64_t, int64_t, const std::atomic<bool>&) {
        if (!std::exchange(added, true)) WriteBytes(report, ReadBytes(report) + more);
        return true;
    };
    ASSERT_TRUE(h.OpenPath(report));
    h.Show();
    ViewerStatusBar& bar = h.W().Status();
    auto* readAgain = bar.findChild<QPushButton*>("ReadAgain");
    ASSERT_NE(readAgain, nullptr);
    EXPECT_EQ(h.Pages().rows.RecordCount(), 400);
    EXPECT_EQ(bar.NoteText(), QString::fromUtf8("Rapor okunurken değişti"));
    EXPECT_TRUE(readAgain->isVisible());
    EXPECT_EQ(readAgain->text(), QString::fromUtf8("Yeniden Oku"));

    for (int i = 0; i < 2; ++i) QTest::keyClick(h.window.get(), Qt::Key_PageDown);
    WriteBytes(report, ReadBytes(report) + more);
    QTest::mouseClick(readAgain, Qt::LeftButton);
    EXPECT_EQ(h.Pages().rows.RecordCount(), 600);
    EXPECT_EQ(h.W().CurrentPage(), 3);
    EXPECT_EQ(bar.PageText(), QString("Sayfa 3 / %1").arg(h.W().PageCount()));
    EXPECT_EQ(bar.NoteText(), QString());
    EXPECT_FALSE(readAgain->isVisible());
}

}  // namespace
