#pragma once
#include <optional>
#include <string>

#include "render/FindFields.h"

namespace Tabulon {

// What `tabulon-export print` was asked for, as typed.
struct PrintRequest {
    std::string report;
    std::optional<std::string> printer;  // none: the system's default printer
    std::optional<std::string> pages;    // N or N-M
    bool odd = false, even = false;
    std::optional<std::string> copies;
    std::optional<std::string> sides;   // one, two-long, two-short
    std::optional<std::string> filter;  // only the rows holding this text
    FindRules rules;
};

// Exit statuses of `print` beside 0, the report's own 2 and the 3 of a report
// that changed while it was read (the job was sent).
enum PrintStatus : int {
    PrinterMissing = 4,    // no such printer, or none at all
    PagesOutside = 5,      // the pages chosen are not in the report
    SpoolerRefused = 6,    // the document could not be made or was not taken
    PrintUsageError = 64,  // the arguments themselves are wrong
};

// Prints the chosen pages on a system printer as one job, as the window
// prints them, and writes the spooler's job id on standard output. Arguments
// are checked, the printer looked up and the pages counted before anything
// is sent. Returns the exit status.
int RunPrint(const PrintRequest& request);

// The system's printers, one a line, the default one followed by a tab and
// "varsayılan".
int ListPrinters();

}  // namespace Tabulon
