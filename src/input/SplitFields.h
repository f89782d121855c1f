#pragma once
#include <string_view>

#include "core/ReportModel.h"

// Cuts one line into model.Fields: every field ends with a TAB, so text after
// the last TAB is not a field. Fields lose trailing spaces and keep leading
// ones. Only Fields 1..50 are emptied first; 51..150 keep what an earlier,
// longer line left there. Fields past the 150th are ignored. Every split
// raises MeasuredWidths of columns 1..50 to the lengths it saw.
void SplitFields(ReportModel& model, std::string_view line);
