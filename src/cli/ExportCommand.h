#pragma once
#include <string>

namespace Tabulon {

struct CliSession;

// True for the commands that write an export file: csv, txt, tsv, xlsx.
bool IsExportCommand(const std::string& command);

// Writes the opened report as the window's "Farklı Kaydet" commands would
// right after opening it; on failure prints the reason on standard error.
// Returns the exit status (0, or 1 when the file could not be saved).
int RunExportCommand(CliSession& session, const std::string& command,
                     const std::string& outputPath);

}  // namespace Tabulon
