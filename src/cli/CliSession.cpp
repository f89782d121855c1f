#include "cli/CliSession.h"

#include <QDateTime>
#include <algorithm>
#include <cstdio>

#include "core/SettingsStore.h"
#include "core/WorkFilePrefix.h"
#include "platform/CanvasTarget.h"
#include "platform/Messages.h"
#include "platform/QtSettingsBackend.h"
#include "platform/SystemEnvironment.h"
#include "render/FilterReport.h"
#include "render/MeasuringTarget.h"

namespace Tabulon {

CliSession::CliSession() = default;
CliSession::~CliSession() = default;

ClockReading ClockNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

namespace {

constexpr int UsageStatus = 64;

// The columns a report has: the titled ones and the fields of its last row,
// at most the fifty a page lays out.
int ColumnCount(const ReportPages& pages) {
    int columns = std::min(pages.fieldCount, ReportLayout::DescribedColumns);
    for (int c = columns + 1; c <= ReportLayout::DescribedColumns; ++c)
        if (!pages.layout.ColumnTitles[c].empty()) columns = c;
    return columns;
}

// Replaces the report by the one of its rows the filter keeps, laid out as
// the report was. A status to end with when that cannot be done.
std::optional<int> Narrow(CliSession& session, const CliOpenOptions& options,
                          const std::string& rowStorePath) {
    const int columns = ColumnCount(session.pages);
    if (options.rules.column > columns) {
        std::fprintf(stderr, "--column %d geçersiz: rapor %d sütun.\n", options.rules.column,
                     columns);
        return UsageStatus;
    }
    if (!options.filter) return std::nullopt;
    if (options.filter->empty()) {
        std::fprintf(stderr, "--filter için aranacak bir metin gerekli.\n");
        return UsageStatus;
    }
    ReportPages kept;
    const FieldFinder finder(session.pages.layout, session.locale, *options.filter, options.rules);
    Outcome<int64_t> filtered = FilterReport(session.pages, finder, rowStorePath, kept);
    Outcome<> laidOut = filtered.Ok() ? LayOutPages(kept, *session.canvas, session.setup,
                                                    session.locale, options.rowsPerPage)
                                      : Outcome<>(filtered.Why());
    if (!laidOut.Ok()) {
        std::fprintf(stderr, "%s\n", RowStoreFailureText(laidOut.Why()).c_str());
        return 2;
    }
    session.pages = std::move(kept);
    return std::nullopt;
}

}  // namespace

std::optional<int> OpenCliSession(CliSession& session, const std::string& reportPath,
                                  const CliOpenOptions& options) {
    session.locale = SystemNumberLocale();
    session.now = ClockNow();
    QtSettingsBackend settings;
    const LoadedSettings loaded = LoadSettings(settings, DefaultPrinterOrientation);
    session.setup = loaded.setup;
    if (loaded.reset) std::fprintf(stderr, "%s\n", SettingsResetText(loaded).c_str());
    const WorkFilePlace place = WorkFilePrefix();
    if (place.temporaryFolderMissing)
        std::fprintf(stderr, "%s\n", TemporaryFolderMissingText.c_str());

    // The window's page canvas at 100 %: 25000 twips wide, as high as the page.
    session.canvas = std::make_unique<CanvasTarget>();
    session.canvas->Resize(25000, session.setup.PageSizeY);
    LoadOptions load;
    load.keepRowStoreName = options.keepRowStore;
    load.locale = session.locale;
    const LoadResult result =
        OpenReportPages(session.pages, reportPath, RowStorePath(place.prefix), load,
                        *session.canvas, session.setup, options.rowsPerPage);
    if (!result.Ok()) {
        std::fprintf(stderr, "%s\n", LoadFailureText(result).c_str());
        return LoadFailureStatus(result.outcome.Why());
    }
    if (auto failure = Narrow(session, options, RowStorePath(place.prefix))) return failure;
    // Page 1 is laid out as the window shows it on opening, which leaves the
    // field count of page 1's last row for the titles of what follows;
    // nothing of it needs painting here.
    MeasuringTarget measuring(*session.canvas);
    Outcome<PageDrawing> drawn =
        RenderPage(measuring, session.Inputs(), 1, 1.0f, session.pages.fieldCount);
    if (!drawn.Ok()) {
        std::fprintf(stderr, "%s\n", RowStoreFailureText(drawn.Why()).c_str());
        return 2;
    }
    session.reportPath = reportPath;
    session.reportChanged = result.changedWhileRead;
    session.pages.fieldCount = drawn->fieldCount;
    return std::nullopt;
}

int WarnIfReportChanged(const CliSession& session, int status) {
    if (!session.reportChanged) return status;
    std::fprintf(stderr, "%s\n%s\n%s\n", ReportChangedTitle.c_str(), session.reportPath.c_str(),
                 ReportChangedAdvice.c_str());
    return status == 0 ? ReportChangedStatus : status;
}

}  // namespace Tabulon
