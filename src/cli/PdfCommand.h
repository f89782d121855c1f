#pragma once
#include <string>

#include "render/PageSelection.h"

struct CliSession;

// Writes the selected pages as a PDF, one sheet per page, drawn at 100 % as
// on paper (page size and orientation from the page setup, text selectable,
// fonts embedded). The file appears only when complete. Returns the exit
// status.
int WritePdf(CliSession& session, const std::string& outPath, const PageSelection& pages);
