#include <QAction>
#include <QMenu>
#include <filesystem>

#include "ViewerHarness.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

std::vector<std::string> Entries(const QMenu* menu) {
    std::vector<std::string> texts;
    for (const QAction* action : menu->actions()) texts.push_back(action->text().toStdString());
    return texts;
}

// "Son Açılanlar" lists the reports opened last, most recent first and each
// once, up to eight, across runs; an entry opens its report by its number,
// and one whose file is gone is dropped with a note.
TEST_F(ShownViewer, RecentReportsOpenAgainFromTheFileMenu) {
    QMenu* recent = Menu().RecentReports;
    std::vector<std::string> paths;
    for (int i = 1; i <= 9; ++i) {
        paths.push_back(h.folder.File("rapor" + std::to_string(i) + " & ek.txt"));
        WriteBytes(paths.back(), SalesReport(10, "RAPOR " + std::to_string(i)));
    }
    for (int i : {0, 1, 2, 1}) ASSERT_TRUE(W().OpenReport(paths[static_cast<size_t>(i)]));
    const auto entry = [&paths](int number, int report) {
        std::string path = paths[static_cast<size_t>(report)];
        path.replace(path.find('&'), 1, "&&");
        return "&" + std::to_string(number) + " " + path;
    };
    EXPECT_EQ(Entries(recent), (std::vector{entry(1, 1), entry(2, 2), entry(3, 0),
                                            "&4 " + h.folder.File("rapor.txt")}));

    // In the file menu, S for the list, then the entry's number.
    const auto choose = [&](QMenu* file, Qt::Key number) {
        ASSERT_TRUE(file && QTest::qWaitFor([file] { return file->isVisible(); }));
        QTest::keyClick(file, Qt::Key_S);
        ASSERT_TRUE(QTest::qWaitFor([recent] { return recent->isVisible(); }));
        QTest::keyClick(recent, number);
    };
    choose(AltMenu(Qt::Key_D), Qt::Key_3);
    EXPECT_TRUE(QTest::qWaitFor([this] { return W().windowTitle().startsWith("RAPOR 1-"); }));

    for (const std::string& path : paths) ASSERT_TRUE(W().OpenReport(path));
    EXPECT_EQ(Entries(recent).back(), entry(8, 1));

    // An entry whose file has gone is dropped, and the window says so.
    std::filesystem::remove(paths[4]);
    Menu().DOS_00->popup(W().mapToGlobal(QPoint(10, 10)));
    choose(Menu().DOS_00, Qt::Key_5);
    EXPECT_TRUE(QTest::qWaitFor([recent] { return recent->actions().size() == 7; }));
    EXPECT_EQ(W().Status().NoteText().toStdString(),
              "Dosya artık yok, Son Açılanlar'dan çıkarıldı: " + paths[4]);
    EXPECT_TRUE(W().windowTitle().startsWith("RAPOR 9-"));

    // The next run finds the list as this one left it.
    const std::vector<std::string> left = Entries(recent);
    h.window.reset();
    ASSERT_TRUE(h.OpenPath(paths[8]));
    EXPECT_EQ(Entries(Menu().RecentReports), left);
}

}  // namespace
