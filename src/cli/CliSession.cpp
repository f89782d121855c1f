#include "cli/CliSession.h"

#include <QDateTime>
#include <cstdio>

#include "core/SettingsStore.h"
#include "core/WorkFilePrefix.h"
#include "platform/CanvasTarget.h"
#include "platform/Messages.h"
#include "platform/QtSettingsBackend.h"
#include "platform/SystemEnvironment.h"
#include "render/MeasuringTarget.h"

CliSession::CliSession() = default;
CliSession::~CliSession() = default;

ClockReading ClockNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

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
        return 2;
    }
    // Page 1 is laid out as the window shows it on opening, which leaves the
    // field count of page 1's last row for the titles of what follows and
    // tells which columns fit; nothing of it needs painting here.
    MeasuringTarget measuring(*session.canvas);
    const PageDrawing drawn =
        RenderPage(measuring, session.Inputs(), 1, 1.0f, session.pages.fieldCount);
    if (!drawn.rowsRead) {
        std::fprintf(stderr, "%s\n%s\n", RowStoreUnreadableTitle.c_str(), drawn.error.c_str());
        return 2;
    }
    session.reportPath = reportPath;
    session.reportChanged = result.changedWhileRead;
    session.pages.fieldCount = drawn.fieldCount;
    session.columnFits = drawn.ColumnFits;
    return std::nullopt;
}

int WarnIfReportChanged(const CliSession& session, int status) {
    if (!session.reportChanged) return status;
    std::fprintf(stderr, "%s\n%s\n%s\n", ReportChangedTitle.c_str(), session.reportPath.c_str(),
                 ReportChangedAdvice.c_str());
    return status == 0 ? ReportChangedStatus : status;
}
