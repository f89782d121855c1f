#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "render/PageSelection.h"

namespace Tabulon {

struct CliSession;
class Printer;

// Writes the selected pages as a PDF, one sheet per page, drawn at 100 % as
// on paper (page size and orientation from the page setup, text selectable,
// fonts embedded). The file appears only when complete. Returns the exit
// status.
int WritePdf(CliSession& session, const std::string& outPath, const PageSelection& pages);

// Lays the printer's paper out from the page setup and draws the pages on it
// as the window prints them, a new sheet after each page but the report's
// last. Returns why the working file could not be read, empty when it could.
std::string DrawSessionPages(CliSession& session, Printer& printer,
                             const std::vector<int32_t>& pages);

}  // namespace Tabulon
