#pragma once

namespace Tabulon {

struct CliSession;

// Prints the state right after opening the report as one JSON object on
// standard output, written as it goes.
void PrintInfo(const CliSession& session);

}  // namespace Tabulon
