#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>

#include "FixedPrinterCatalog.h"
#include "GuiDriver.h"
#include "MemorySettingsBackend.h"
#include "TestSupport.h"
#include "viewer/CommandButtons.h"
#include "viewer/FindBar.h"
#include "viewer/FindCommand.h"
#include "viewer/FrmTabul.h"
#include "viewer/MainMenu.h"
#include "viewer/PageDesk.h"
#include "viewer/ZoomControl.h"

namespace Tabulon {

// A report with a three-line header, four columns (the amounts totalled) and
// the given number of data rows; 200 rows make four pages.
inline std::string SalesReport(int rows, const std::string& firstHeader = "SATIŞ RAPORU") {
    std::string text =
        ReportText({"1" + firstHeader, "1Kasım 2026", "1Tüm şubeler",
                    "2Kod\tMüşteri\tŞehir\tTutar\t", "4\t\t\t++\t", "5Z\tT\tT\tC\t"});
    for (int i = 1; i <= rows; ++i)
        text += "9" + std::to_string(i) + "\tMüşteri " + std::to_string(i % 17) + "\tAnkara\t" +
                std::to_string(i * 37 % 1000) + ",50\t\r\n";
    return text;
}

// A window with printers (the first listed not the default), settings,
// locale and clock fixed by the test.
struct ViewerHarness {
    TempDir folder;
    MemorySettingsBackend settings;
    FixedPrinterCatalog printers{{"Birinci", "İkinci", "PDF"}, "İkinci"};
    std::unique_ptr<FrmTabul> window;

    static ViewerEnvironment FixedEnvironment() {
        return {NumberLocale::Turkish(), [] { return ClockReading{2026, 11, 30, 14, 5}; }, {}, {}};
    }
    // What the next window is made with, finding `room` bytes free for its
    // working file; a test may change either before opening.
    int64_t room = int64_t{1} << 40;
    ViewerEnvironment environment = [this] {
        ViewerEnvironment fixed = FixedEnvironment();
        fixed.freeSpace = [this](const std::string&, int64_t& bytes) {
            bytes = room;
            return true;
        };
        return fixed;
    }();
    // The window over the report, read whole; false when the load ended it.
    bool Open(const std::string& reportText) {
        WriteBytes(folder.File("rapor.txt"), reportText);
        return OpenPath(folder.File("rapor.txt"));
    }
    bool OpenPath(const std::string& path, bool fromDesktop = false) {
        return StartOn(path, environment, fromDesktop) && window->WaitForWholeReport();
    }
    // Only started: the rest of the report may still be being read.
    bool StartOn(const std::string& path, ViewerEnvironment environment, bool fromDesktop = false) {
        window = std::make_unique<FrmTabul>(printers, settings, std::move(environment));
        return window->Start(path, fromDesktop);
    }
    FrmTabul& W() { return *window; }
    ReportPages& Pages() { return window->Pages(); }
    // Shown and made active, as Main leaves it.
    void Show() {
        window->resize(1000, 700);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

// The sales report of 200 rows in a shown, active window.
class ShownViewer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Open(SalesReport(200)));
        h.Show();
    }
    FrmTabul& W() { return *h.window; }
    const MainMenu& Menu() { return h.window->Menu(); }
    // Keys go to the widget with the focus. After a dialog has closed, the
    // window manager hands activation back to the window; offscreen the test does.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (!QApplication::activeModalWidget() && !W().isActiveWindow()) {
            W().activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
        }
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : h.window.get(), static_cast<Qt::Key>(key), modifiers);
    }
    // A menu of the menu bar, opened with Alt and its letter.
    QMenu* AltMenu(Qt::Key letter) {
        Key(letter, Qt::AltModifier);
        QMenu* popup = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&popup] {
            popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return popup != nullptr;
        }));
        return popup;
    }
    void Click(int button) { QTest::mouseClick(W().Toolbar().Button(button), Qt::LeftButton); }
    ViewerHarness h;
};

}  // namespace Tabulon
