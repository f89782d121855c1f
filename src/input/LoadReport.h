#pragma once
#include <string>

#include "core/ProgressCallback.h"
#include "core/ReportModel.h"

struct LoadResult {
    enum class Failure { None, ReportUnreadable, RowStoreUnwritable, Cancelled };
    Failure failure = Failure::None;
    std::string path;    // the file that failed
    std::string reason;  // the system's words for it

    bool Ok() const { return failure == Failure::None; }
};

// Reads the report file once: the description goes into the model, every data
// row into a new row store at rowStorePath. One line is in memory at a time.
// Widths end up derived from the longest texts met (amount columns 1.4 times
// wider), at most 50. The progress callback hears the bytes read of the
// file's size after each block; when it answers false the load ends as
// Cancelled, its row store cut short.
LoadResult LoadReport(ReportModel& model, const std::string& reportPath,
                      const std::string& rowStorePath, const ProgressCallback& progress = {});
