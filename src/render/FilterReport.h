#pragma once
#include <string>

#include "core/ProgressCallback.h"
#include "input/ForEachRow.h"
#include "render/FindFields.h"
#include "render/ReportPages.h"

namespace Tabulon {

// How narrowing a report to the rows that match ended.
struct FilterOutcome {
    RowPass pass;
    int64_t kept = 0;
    std::string error;  // the new working file's reason when it could not be written
    bool Ok() const { return pass.ok && !pass.cancelled && error.empty(); }
};

// A report of the rows of `source` that hold what the finder looks for, in
// their order: the same description, a working file of its own holding just
// those rows (nameless beside rowStorePath, as the report's own), and the
// field count of the last of them. It is a report in every way once its pages
// are laid out (LayOutPages): its pages, totals, prints and exports are those
// of a report file holding only those rows. The kept rows cost no memory.
FilterOutcome FilterReport(const ReportPages& source, const FieldFinder& finder,
                           const std::string& rowStorePath, ReportPages& filtered,
                           const ProgressCallback& progress = {});

}  // namespace Tabulon
