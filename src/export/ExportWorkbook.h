#pragma once
#include <string>

#include "core/NumberLocale.h"
#include "core/ProgressCallback.h"
#include "core/ReportLayout.h"
#include "export/ExportResult.h"
#include "input/RowStore.h"

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
ExportResult ExportWorkbook(const RowStore& rows, const ReportLayout& layout, int titleCount,
                            const NumberLocale& locale, const std::string& targetPath,
                            const ProgressCallback& progress = {});
