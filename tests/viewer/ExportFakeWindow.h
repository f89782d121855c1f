#pragma once
#include <string>

#include "RecordingReportWindow.h"
#include "TestSupport.h"
#include "input/LoadReport.h"

// A main window for the export commands: the recording window over a report
// loaded from the given text, showing page 2.
class ExportFakeWindow : public RecordingReportWindow {
  public:
    TempDir dir;

    explicit ExportFakeWindow(const std::string& reportText) {
        WriteBytes(dir.File("report.txt"), reportText);
        view.rowStorePath = dir.File("BUFFILE.DAT");
        view.locale = NumberLocale::Turkish();
        LoadReport(model, dir.File("report.txt"), view.rowStorePath);
        model.CurrentPage = 2;
    }
};
