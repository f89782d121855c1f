#pragma once
#include "core/ReportModel.h"
#include "render/PageView.h"

// Draws page model.CurrentPage onto the target at view.ZoomFactor: headers,
// boxed titles, the page's rows read with one read of consecutive records,
// page and cumulative totals, date and time, page number and credit line.
// Rewrites view.ColumnFits and redraws the ruler (no highlighted column).
void RenderPage(DrawingTarget& target, ReportModel& model, PageView& view, RulerSurface ruler);
