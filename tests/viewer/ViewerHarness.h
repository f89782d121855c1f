#pragma once
#include <QApplication>
#include <memory>
#include <string>
#include <vector>

#include "FixedPrinterCatalog.h"
#include "MemorySettingsBackend.h"
#include "MessageBoxCatcher.h"
#include "TestSupport.h"
#include "viewer/FrmTabul.h"
#include "viewer/PageDesk.h"
#include "viewer/ZoomControl.h"

// A report with a three-line header, four columns (the amounts totalled) and
// the given number of data rows.
inline std::string SalesReport(int rows, const std::string& firstHeader = "SATIŞ RAPORU") {
    std::string text =
        ReportText({"1" + firstHeader, "1Kasım 2026", "1Tüm şubeler",
                    "2Kod\tMüşteri\tŞehir\tTutar\t", "4\t\t\t++\t", "5Z\tT\tT\tC\t"});
    for (int i = 1; i <= rows; ++i)
        text += "9" + std::to_string(i) + "\tMüşteri " + std::to_string(i % 17) + "\tAnkara\t" +
                std::to_string(i * 37 % 1000) + ",50\t\r\n";
    return text;
}

// A window over a report written into a temporary folder, with printers,
// settings, locale and clock fixed by the test.
struct ViewerHarness {
    TempDir folder;
    MemorySettingsBackend settings;
    FixedPrinterCatalog printers;
    std::unique_ptr<FrmTabul> window;

    ViewerHarness() {
        printers.names = {"Birinci", "İkinci", "PDF"};
        printers.defaultName = "İkinci";
    }

    static ViewerEnvironment FixedEnvironment() {
        ViewerEnvironment environment;
        environment.locale = NumberLocale::Turkish();
        environment.clock = [] { return ClockReading{2026, 11, 30, 14, 5}; };
        return environment;
    }

    // Creates and loads the window; false when the load sequence ended it.
    bool Open(const std::string& reportText) {
        const std::string path = folder.File("rapor.txt");
        WriteBytes(path, reportText);
        return OpenPath(path);
    }

    bool OpenPath(const std::string& path) {
        window = std::make_unique<FrmTabul>(printers, settings, FixedEnvironment());
        return window->Start(path);
    }
    FrmTabul& W() { return *window; }
    ReportPages& Pages() { return window->Pages(); }

    // Shown at a fixed size and made active, as Main leaves it.
    void Show(int width = 1000, int height = 700) {
        window->resize(width, height);
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }
};
