#pragma once
#include <optional>
#include <string>

#include "core/NumberLocale.h"
#include "core/ReportModel.h"

// The state tabulon-export works on: the report opened as the window opens it
// (stored settings, the loader, the totals pass), without a window.
struct CliSession {
    ReportModel model;
    NumberLocale locale;
    std::string rowStorePath;
    int32_t rowsPerPage = 0;
    bool keepRowStore = false;

    ~CliSession();
};

// Loads the report; on failure prints the reason on standard error and
// returns the exit status to end with (2), otherwise nullopt.
std::optional<int> OpenCliSession(CliSession& session, const std::string& reportPath,
                                  std::optional<int32_t> rowsPerPage);
