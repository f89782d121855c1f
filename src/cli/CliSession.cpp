#include "cli/CliSession.h"

#include <cstdio>
#include <filesystem>

#include "core/SettingsStore.h"
#include "core/WorkFilePrefix.h"
#include "input/ComputePageTotals.h"
#include "input/LoadReport.h"
#include "platform/QtSettingsBackend.h"
#include "platform/SystemEnvironment.h"

CliSession::~CliSession() {
    if (!keepRowStore && !rowStorePath.empty()) {
        std::error_code ignored;
        std::filesystem::remove(rowStorePath, ignored);
    }
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
    session.rowsPerPage = rowsPerPage.value_or(0);
    ComputePageTotals(model, session.rowsPerPage, session.rowStorePath, session.locale);
    return std::nullopt;
}
