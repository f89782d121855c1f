#pragma once
#include <string>

#include "core/NumberLocale.h"
#include "core/ProgressCallback.h"
#include "core/ReportLayout.h"
#include "export/ExportResult.h"
#include "input/RowStore.h"

namespace Tabulon {

// The data rows a sheet holds below its title row.
inline constexpr int64_t SheetRowLimit = 1048575;

// Writes an .xlsx workbook of one sheet: the titles of columns 1..titleCount
// (the field count of the row read last before the export) in bold in row 1,
// then record r of the row store in row r + 1. Each field goes in by its
// column's kind: Number and Amount fields that read as numbers in the locale
// become numbers (other text leaves the cell empty), Text fields stay text
// with their leading spaces, columns without a kind stay empty. Rows are
// streamed, so memory does not grow with the report, and the file appears
// only when complete: not at all when the progress callback stops the export.
//
// The sheet looks like the report without changing a cell: it is named after
// header line 1, the title row is frozen and filters the rows below it, number
// columns show their display pattern as the cells' number format, and each of
// columns 1..50 is as wide as the page draws it (shownWidths, in characters).
ExportResult ExportWorkbook(const RowStore& rows, const ReportLayout& layout, int titleCount,
                            const decltype(ReportLayout::ColumnWidths)& shownWidths,
                            const NumberLocale& locale, const std::string& targetPath,
                            const ProgressCallback& progress = {});

// Header line 1 as a sheet may be named: the characters a sheet name cannot
// hold ([ ] : * ? / \ and control characters) become "_", apostrophes and
// blanks at either end go, and the name is cut to 31 characters. Empty when
// nothing usable is left, or for Excel's reserved "History": the sheet then
// keeps the library's name.
std::string SheetName(const std::string& headerLine);

}  // namespace Tabulon
