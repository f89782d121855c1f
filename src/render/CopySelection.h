#pragma once
#include <string>

#include "core/NumberLocale.h"
#include "core/ProgressCallback.h"
#include "core/ReportLayout.h"
#include "input/ForEachRow.h"
#include "input/RowStore.h"
#include "render/CellSelection.h"

namespace Tabulon {

// The selected fields as another program takes them from the clipboard.
struct CopiedFields {
    // One line a row, LF between lines, TAB between fields, each field as the
    // page shows it; whole rows start with a line of their columns' titles.
    std::string text;
    // The same cells as an HTML table, the titles as a header row, numbers
    // right-aligned, so spreadsheets paste them into cells.
    std::string html;
    RowPass pass;
};

CopiedFields CopySelection(const RowStore& rows, const ReportLayout& layout,
                           const NumberLocale& locale, const CellSelection& selection,
                           const ProgressCallback& progress = {});

}  // namespace Tabulon
