#pragma once
#include "core/ReportModel.h"
#include "render/PageView.h"

// Measures the report font at 100 % on the target and derives the page
// metrics, then runs the totals pass so PageCount and PageTotals follow them.
// A row height or character width measuring 0 is taken as 1.
void MeasureReportFont(DrawingTarget& target, ReportModel& model, PageView& view);
