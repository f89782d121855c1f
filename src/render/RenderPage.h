#pragma once
#include <string_view>

#include "core/ReportModel.h"
#include "render/PageView.h"

// The maker's line printed small at the foot of every page.
inline constexpr std::string_view CreditLine =
    "Vornak Yazılım  -  www.vornak.example  -  destek.vornak.example";

// Draws page model.CurrentPage onto the target at view.ZoomFactor: headers,
// boxed titles, the page's rows read with one read of consecutive records,
// page and cumulative totals, date and time, page number and credit line.
// Rewrites view.ColumnFits and redraws the ruler (no highlighted column).
// Returns false when the row store could not be read; the page is then drawn
// with empty row slots.
bool RenderPage(DrawingTarget& target, ReportModel& model, PageView& view, RulerSurface ruler);
