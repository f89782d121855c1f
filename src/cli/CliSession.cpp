#include "cli/CliSession.h"

#include <QDateTime>
#include <cstdio>
#include <filesystem>

#include "core/SettingsStore.h"
#include "core/WorkFilePrefix.h"
#include "input/ComputePageTotals.h"
#include "input/LoadReport.h"
#include "platform/CanvasTarget.h"
#include "platform/QtSettingsBackend.h"
#include "platform/SystemEnvironment.h"
#include "render/MeasureReportFont.h"
#include "render/RenderPage.h"

CliSession::CliSession() = default;

CliSession::~CliSession() {
    if (!keepRowStore && !rowStorePath.empty()) {
        std::error_code ignored;
        std::filesystem::remove(rowStorePath, ignored);
    }
}

ClockReading ClockNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

std::optional<int> OpenCliSession(CliSession& session, const std::string& reportPath,
                                  std::optional<int32_t> rowsPerPage) {
    ReportModel& model = session.model;
    session.locale = SystemNumberLocale();
    QtSettingsBackend settings;
    LoadSettings(model, settings, DefaultPrinterOrientation());
    model.CurrentPage = 1;
    model.CommandLine = reportPath;
    session.rowStorePath = RowStorePath(
        model, [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); });
    const LoadResult result = LoadReport(model, reportPath, session.rowStorePath);
    if (result.failure == LoadResult::Failure::ReportUnreadable) {
        std::fprintf(stderr, "Rapor dosyası açılamadı:\n%s\n%s\n", result.path.c_str(),
                     result.reason.c_str());
        return 2;
    }
    if (!result.Ok()) {
        std::fprintf(stderr, "Çalışma dosyası oluşturulamadı:\n%s\n%s\n", result.path.c_str(),
                     result.reason.c_str());
        return 2;
    }

    PageView& view = session.view;
    view.ZoomFactor = 1.0f;
    view.locale = session.locale;
    view.now = ClockNow();
    view.rowStorePath = session.rowStorePath;
    // The window's page canvas at 100 %: 25000 twips wide, as high as the page.
    session.canvas = std::make_unique<CanvasTarget>();
    session.canvas->Resize(25000, model.PageSizeY);
    MeasureReportFont(*session.canvas, model, view);
    if (rowsPerPage) {
        view.metrics.RowsPerPage = *rowsPerPage;
        ComputePageTotals(model, view.metrics.RowsPerPage, session.rowStorePath, session.locale);
    }
    RenderPage(*session.canvas, model, view, RulerSurface{});
    return std::nullopt;
}
