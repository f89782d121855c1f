#pragma once
#include <memory>
#include <optional>
#include <string>

#include "core/NumberLocale.h"
#include "core/PageSetup.h"
#include "render/RenderPage.h"
#include "render/ReportPages.h"

class CanvasTarget;

// The state tabulon-export works on: the report opened as the window opens it
// (stored settings, the loader, the font measured on a page canvas, the
// pages counted, page 1 drawn), without a window.
struct CliSession {
    PageSetup setup;
    NumberLocale locale;
    ClockReading now;
    ReportPages pages;
    ColumnFlags columnFits{};
    std::unique_ptr<CanvasTarget> canvas;

    CliSession();
    ~CliSession();

    PageInputs Inputs() const { return pages.Inputs(setup, locale, now); }
};

struct CliOpenOptions {
    std::optional<int32_t> rowsPerPage;  // replaces the measured number
    bool keepRowStore = false;           // the working file keeps its name
};

// Loads the report; on failure prints the reason on standard error and
// returns the exit status to end with (2), otherwise nullopt.
std::optional<int> OpenCliSession(CliSession& session, const std::string& reportPath,
                                  const CliOpenOptions& options = {});

// The present moment as the page's date line shows it.
ClockReading ClockNow();
