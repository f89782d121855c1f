#pragma once
#include <string>

#include "core/ProgressCallback.h"
#include "core/ReportLayout.h"
#include "export/DelimitedFormat.h"
#include "export/ExportResult.h"
#include "input/RowStore.h"

namespace Tabulon {

// Writes every row of the row store, in order, as one line of fields each
// followed by the separator and the line by CR LF; nothing is quoted. The text
// formats start with the titles of columns 1..titleCount (the field count of
// the row read last before the export). The file appears under targetPath
// only when complete; on failure or when the progress callback stops it, an
// older file there is left as it was.
ExportResult ExportDelimited(const RowStore& rows, const ReportLayout& layout, int titleCount,
                             DelimitedFormat format, const std::string& targetPath,
                             const ProgressCallback& progress = {});

}  // namespace Tabulon
