#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "MemorySettingsBackend.h"
#include "viewer/ReportWindow.h"

class FakePrinters : public PrinterCatalog {
  public:
    std::vector<std::string> PrinterNames() const override { return {"PDF"}; }
    std::string DefaultPrinterName() const override { return "PDF"; }
    int16_t DefaultOrientation() const override { return 1; }
};

// A main window that only records what the commands ask of it, with the page
// shown at each drawing step.
class FakeReportWindow : public ReportWindow {
  public:
    QWidget widget;
    ReportModel model;
    PageView view;
    FakePrinters printers;
    MemorySettingsBackend settings;
    std::vector<std::string> calls;
    bool busy = false;

    QWidget* Widget() override { return &widget; }
    ReportModel& Model() override { return model; }
    PageView& View() override { return view; }
    PrinterCatalog& Printers() override { return printers; }
    SettingsBackend& Settings() override { return settings; }

    void SetZoom100() override { Record("SetZoom100"); }
    void UpdatePageGeometry() override { Record("UpdatePageGeometry"); }
    void MeasureOnCanvas() override { Record("MeasureOnCanvas"); }
    void RenderOnCanvas() override { Record("RenderOnCanvas"); }
    void SetBusy(bool on) override {
        busy = on;
        calls.push_back(on ? "SetBusy(true)" : "SetBusy(false)");
    }
    QString AskSaveFileName(const QString&, const QString&, const QString&) override { return {}; }

  private:
    void Record(const std::string& call) {
        calls.push_back(call + "@" + std::to_string(model.CurrentPage));
    }
};
