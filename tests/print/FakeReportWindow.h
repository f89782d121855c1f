#pragma once
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "MemorySettingsBackend.h"
#include "TestPrinterCatalog.h"
#include "viewer/ReportWindow.h"

// The main window as the print job sees it, recording what the job asks of it:
// "zoom100", "geometry N" (UpdatePageGeometry on page N), "canvas", "busy on/off".
class FakeReportWindow : public ReportWindow {
  public:
    ReportModel model;
    PageView view;
    TestPrinterCatalog printers;
    MemorySettingsBackend settings;
    QWidget widget;
    std::vector<std::string> calls;
    // The file-save dialog's answer, and what it was asked.
    QString saveFileAnswer;
    std::vector<std::string> saveDialogs;

    FakeReportWindow() {
        model.PageCount = 5;
        model.CurrentPage = 1;
        model.PageOrient = 1;
        model.PageSizeX = 11906;
        model.PageSizeY = 16838;
        model.FieldCount = 3;
        model.SelectedPrinter = printers.names.front();
        view.ZoomFactor = 0.5f;
        view.ColumnFits.fill(true);
    }

    QWidget* Widget() override { return &widget; }
    ReportModel& Model() override { return model; }
    PageView& View() override { return view; }
    PrinterCatalog& Printers() override { return printers; }
    SettingsBackend& Settings() override { return settings; }

    void SetZoom100() override {
        view.ZoomFactor = 1.0f;
        calls.push_back("zoom100");
    }
    void UpdatePageGeometry() override {
        calls.push_back("geometry " + std::to_string(model.CurrentPage));
    }
    void MeasureOnCanvas() override { calls.push_back("measure"); }
    void RenderOnCanvas() override { calls.push_back("canvas"); }
    void SetBusy(bool busy) override { calls.push_back(busy ? "busy on" : "busy off"); }

    QString AskSaveFileName(const QString& title, const QString& filter, const QString&) override {
        saveDialogs.push_back((title + "|" + filter).toStdString());
        return saveFileAnswer;
    }
};
