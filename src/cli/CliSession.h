#pragma once
#include <memory>
#include <optional>
#include <string>

#include "core/NumberLocale.h"
#include "core/ReportModel.h"
#include "render/PageView.h"

class CanvasTarget;

// The state tabulon-export works on: the report opened as the window opens it
// (stored settings, the loader, the font measured on a page canvas, the
// totals pass, page 1 drawn), without a window.
struct CliSession {
    ReportModel model;
    NumberLocale locale;
    std::string rowStorePath;
    PageView view;
    std::unique_ptr<CanvasTarget> canvas;
    bool keepRowStore = false;

    CliSession();
    ~CliSession();
};

// Loads the report; on failure prints the reason on standard error and
// returns the exit status to end with (2), otherwise nullopt. A given
// rowsPerPage replaces the measured one (and the pages are counted again).
std::optional<int> OpenCliSession(CliSession& session, const std::string& reportPath,
                                  std::optional<int32_t> rowsPerPage);

// The present moment as the page's date line shows it.
ClockReading ClockNow();
