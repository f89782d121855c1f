#pragma once
#include <string>

#include "core/NumberLocale.h"
#include "core/ProgressCallback.h"
#include "core/ReportModel.h"
#include "export/ExportResult.h"

// Writes an .xlsx workbook of one sheet: the titles of columns 1..FieldCount
// (as FieldCount stands when the export starts) in bold in row 1, then record
// r of the row store in row r + 1. Each field goes in by its column's kind:
// Number and Amount fields that read as numbers in the locale become numbers
// (other text leaves the cell empty), Text fields stay text with their leading
// spaces, columns without a kind stay empty. Rows are streamed, so memory does
// not grow with the report. Like the delimited export, the model is left
// holding the last row, and the file appears only when complete: not at all
// when the progress callback stops the export.
ExportResult ExportWorkbook(ReportModel& model, const std::string& rowStorePath,
                            const NumberLocale& locale, const std::string& targetPath,
                            const ProgressCallback& progress = {});
