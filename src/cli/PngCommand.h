#pragma once
#include <cstdint>
#include <string>

namespace Tabulon {

struct CliSession;

// Writes one page as the window's page canvas shows it at the given zoom
// (25000 x zoom twips wide, the page's height x zoom high, 15 twips a
// pixel). With paperOnly the picture ends at the paper's right edge.
// Returns the exit status.
int WritePng(CliSession& session, const std::string& outPath, int32_t page, float zoom,
             bool paperOnly);

}  // namespace Tabulon
