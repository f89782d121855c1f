#pragma once
#include <memory>
#include <optional>
#include <string>

#include "core/NumberLocale.h"
#include "core/PageSetup.h"
#include "render/FindFields.h"
#include "render/RenderPage.h"
#include "render/ReportPages.h"

namespace Tabulon {

class CanvasTarget;

// The state tabulon-export works on: the report opened as the window opens it
// (stored settings, the loader, the font measured on a page canvas, the
// pages counted, page 1 drawn), without a window.
struct CliSession {
    PageSetup setup;
    NumberLocale locale;
    ClockReading now;
    ReportPages pages;
    std::unique_ptr<CanvasTarget> canvas;
    // The report's path, and whether it changed while it was read.
    std::string reportPath;
    bool reportChanged = false;

    CliSession();
    ~CliSession();

    PageInputs Inputs() const { return pages.Inputs(setup, locale, now); }
};

struct CliOpenOptions {
    std::optional<int32_t> rowsPerPage;  // replaces the measured number
    bool keepRowStore = false;           // the working file keeps its name
    // --filter: only the rows that hold this text make the report, found
    // by `rules` (also find's --column and --whole).
    std::optional<std::string> filter;
    FindRules rules;
};

// Loads the report, narrowed to the rows a filter keeps when one is asked
// for; on failure prints the reason on standard error and returns the exit
// status to end with (2, or 64 for a column the report does not have or an
// empty filter), otherwise nullopt.
std::optional<int> OpenCliSession(CliSession& session, const std::string& reportPath,
                                  const CliOpenOptions& options = {});

// The exit status a command ends with when its report changed while it was
// read: the work is done, but maybe not on the whole report.
inline constexpr int ReportChangedStatus = 3;

// After the command's work: a report that changed while it was read is said
// on standard error, and a command that succeeded then ends with
// ReportChangedStatus instead of 0.
int WarnIfReportChanged(const CliSession& session, int status);

// The present moment as the page's date line shows it.
ClockReading ClockNow();

}  // namespace Tabulon
