#pragma once
#include <memory>

#include "FakeReportWindow.h"
#include "TestSupport.h"
#include "core/SettingsStore.h"
#include "input/LoadReport.h"
#include "platform/CanvasTarget.h"
#include "render/MeasureReportFont.h"
#include "render/RenderPage.h"

// A window holding a real report: the sample loaded with the default page
// setup, measured and drawn on a page canvas as the main window does, its
// rows in a temporary folder.
class LoadedReportWindow : public FakeReportWindow {
  public:
    TempDir dir;
    CanvasTarget canvas;

    explicit LoadedReportWindow(const std::string& report = TABULON_TEST_DATA "/sample.txt") {
        LoadSettings(model, settings, 1);
        model.CurrentPage = 1;
        view.rowStorePath = dir.File("rows.dat");
        view.locale = NumberLocale::Turkish();
        view.now = {2026, 11, 30, 17, 45};
        view.ZoomFactor = 1.0f;
        loaded = LoadReport(model, report, view.rowStorePath).Ok();
        canvas.Resize(25000, model.PageSizeY);
        MeasureReportFont(canvas, model, view);
        RenderPage(canvas, model, view, RulerSurface{});
        calls.clear();
    }

    bool loaded = false;

    void SetZoom100() override {
        FakeReportWindow::SetZoom100();
        RenderOnCanvas();
    }
    void RenderOnCanvas() override {
        FakeReportWindow::RenderOnCanvas();
        RenderPage(canvas, model, view, RulerSurface{});
    }
};
