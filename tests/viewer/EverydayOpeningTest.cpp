#include <QAction>
#include <QMenu>
#include <filesystem>

#include "ViewerHarness.h"
#include "platform/Twips.h"
#include "viewer/PictureBox.h"
#include "viewer/RulerArithmetic.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

std::vector<std::string> Entries(const QMenu* menu) {
    std::vector<std::string> texts;
    for (const QAction* action : menu->actions()) texts.push_back(action->text().toStdString());
    return texts;
}

QMenu* OpenPopup() {
    QMenu* popup = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&popup] {
        popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return popup != nullptr;
    }));
    return popup;
}

// "Son Açılanlar" lists the reports opened last, most recent first and each
// once, up to eight, across runs; an entry opens its report by its letter or
// a click, and one whose file is gone is dropped with a note.
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

    // Alt+D, S for the list, 3 for its third entry.
    QTest::keyClick(&W(), Qt::Key_D, Qt::AltModifier);
    QTest::keyClick(OpenPopup(), Qt::Key_S);
    ASSERT_TRUE(QTest::qWaitFor([recent] { return recent->isVisible(); }));
    QTest::keyClick(recent, Qt::Key_3);
    EXPECT_TRUE(QTest::qWaitFor([this] { return W().windowTitle().startsWith("RAPOR 1-"); }));
    EXPECT_EQ(Entries(recent)[0], entry(1, 0));

    for (const std::string& path : paths) ASSERT_TRUE(W().OpenReport(path));
    EXPECT_EQ(Entries(recent).size(), 8u);
    EXPECT_EQ(Entries(recent).back(), entry(8, 1));

    // A click on an entry whose file has gone drops it and says so.
    std::filesystem::remove(paths[4]);
    Menu().DOS_00->popup(W().mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Menu().DOS_00->isVisible(); }));
    QMenu* file = Menu().DOS_00;
    QTest::mouseClick(file, Qt::LeftButton, {},
                      file->actionGeometry(recent->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([recent] { return recent->isVisible(); }));
    QAction* gone = recent->actions()[4];
    ASSERT_EQ(gone->text().toStdString(), entry(5, 4));
    QTest::mouseClick(recent, Qt::LeftButton, {}, recent->actionGeometry(gone).center());
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

class WidthMemory : public ShownViewer {
  protected:
    // Drags column 2's marker on the ruler by whole characters.
    void DragColumn2(int characters) {
        const float boundary = ColumnBoundaries(W().Ruler())[1].x - 20;
        const QPoint start(static_cast<int>(boundary / TwipsPerPixel), 6);
        const QPoint end =
            start + QPoint(PixelsFromTwips(characters * W().Pages().metrics.CharWidth), 0);
        QTest::mousePress(W().Cetvel(), Qt::LeftButton, {}, start);
        QTest::mouseMove(W().Cetvel(), end);
        QTest::mouseRelease(W().Cetvel(), Qt::LeftButton, {}, end);
    }
    int16_t Width2() { return W().Pages().layout.ColumnWidths[2]; }
    void Reopen(const std::string& text) {
        h.window.reset();
        ASSERT_TRUE(h.Open(text));
        h.Show();
    }
};

// A width dragged on the ruler comes back for the next report with the same
// column titles, in the next run too, and is drawn; a report with other
// titles keeps its own; "Sütun Genişliklerini Sıfırla" returns to the
// measured widths for good.
TEST_F(WidthMemory, ComeBackForTheSameTitlesUntilReset) {
    const int16_t measured = Width2();
    DragColumn2(4);
    ASSERT_EQ(Width2(), measured + 4);

    Reopen(SalesReport(50, "ERTESİ GÜN"));
    EXPECT_EQ(Width2(), measured + 4);
    EXPECT_EQ(W().Ruler().widths[2], measured + 4);

    std::string other = SalesReport(50);
    other.replace(other.find("Müşteri"), std::string("Müşteri").size(), "Alıcı");
    Reopen(other);
    EXPECT_EQ(Width2(), measured);

    Reopen(SalesReport(200));
    ASSERT_EQ(Width2(), measured + 4);
    QTest::keyClick(&W(), Qt::Key_G, Qt::AltModifier);
    QTest::keyClick(OpenPopup(), Qt::Key_T);
    EXPECT_TRUE(QTest::qWaitFor([this, measured] { return Width2() == measured; }));
    EXPECT_EQ(W().Ruler().widths[2], measured);
    Reopen(SalesReport(200));
    EXPECT_EQ(Width2(), measured);
}

}  // namespace
