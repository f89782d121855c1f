#pragma once
#include <cstdint>
#include <functional>

// Told how far a long piece of work has come (done of total steps); answers
// false when the user wants it stopped. An empty callback is never asked.
using ProgressCallback = std::function<bool(int64_t done, int64_t total)>;

// Rows go between two questions to the callback: often enough for a smooth
// bar, rarely enough to cost nothing next to the rows' own work.
constexpr int64_t ProgressRowStep = 4096;

// Asks the callback at every ProgressRowStep-th row; false when stopped.
inline bool ContinueAfterRow(const ProgressCallback& progress, int64_t row, int64_t total) {
    return !progress || row % ProgressRowStep != 0 || progress(row, total);
}
