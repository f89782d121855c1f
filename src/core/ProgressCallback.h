#pragma once
#include <cstdint>
#include <functional>

namespace Tabulon {

// Told how far a long piece of work has come (done of total steps); answers
// false when the user wants it stopped. An empty callback is never asked.
using ProgressCallback = std::function<bool(int64_t done, int64_t total)>;

}  // namespace Tabulon
