#pragma once
#include <string>

#include "core/NumberLocale.h"
#include "core/ReportModel.h"

// Counts the pages and sums the flagged columns 1..30 of every page, reading
// each row store record once in order. With rowsPerPage <= 0 every row starts
// a new page, so page 1 stays empty and PageCount is the row count plus one.
void ComputePageTotals(ReportModel& model, int32_t rowsPerPage, const std::string& rowStorePath,
                       const NumberLocale& locale);
