#pragma once
#include <string>

#include "core/ProgressCallback.h"
#include "core/ReportModel.h"
#include "export/DelimitedFormat.h"
#include "export/ExportResult.h"

// Writes every row of the row store, in order, as one line of fields each
// followed by the separator and the line by CR LF; nothing is quoted. The text
// formats start with the titles of columns 1..FieldCount as FieldCount stands
// when the export starts. Rows are split into model.Fields one by one, so the
// model is left holding the last row. The file appears under targetPath only
// when complete; on failure or when the progress callback stops it, an older
// file there is left as it was.
ExportResult ExportDelimited(ReportModel& model, const std::string& rowStorePath,
                             DelimitedFormat format, const std::string& targetPath,
                             const ProgressCallback& progress = {});
