#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/NumberLocale.h"
#include "core/Outcome.h"
#include "core/ProgressCallback.h"
#include "core/ReportLayout.h"
#include "input/NumberSurvey.h"
#include "input/PageTotals.h"
#include "input/RowStore.h"
#include "input/RowStoreRoom.h"

namespace Tabulon {

// What a load has read so far, handed out while it goes on.
struct LoadedSoFar {
    ReportLayout layout;  // the description, with the widths measured so far
    int fieldCount = 0;   // of the line read last
    // The pages whose rows are all read and can be read back from the row
    // store, with their totals; the page being filled is not among them.
    PageTotals pages;
    // The numbers of the rows read so far, with LoadOptions::surveyNumbers.
    std::optional<NumberSurvey> numbers;
};

struct LoadOptions {
    // Keep the row store's name (for inspection) instead of leaving it nameless.
    bool keepRowStoreName = false;
    // How many rows a page holds for a report with this many header records,
    // when the caller already knows how pages are measured: the page totals
    // are then counted while the rows are read, with the header count and
    // total flags met before the first row.
    std::function<int32_t(int16_t headerCount)> rowsPerPage;
    NumberLocale locale;
    // Survey the numbers of the columns that show numbers while the rows are
    // read, as the description met before the first row names them.
    bool surveyNumbers = false;
    // Hears the bytes read of the file's size after each block; when it
    // answers false the load ends as Cancelled.
    ProgressCallback progress;
    // The free space of the working file's folder; the system's when empty.
    FreeSpaceQuery freeSpace;
    // The row store to write into, in place of LoadResult::rows: one that
    // stays where it is, so another thread can read the rows handed out.
    // A failed load leaves it to the caller to discard.
    RowStore* store = nullptr;
    // With rowsPerPage, hears what is read so far: once the first page is
    // whole, then after every megabyte of the file. Called on the loading
    // thread, which waits for it.
    std::function<void(const LoadedSoFar&)> readSoFar;
};

struct LoadResult {
    // How the load ended: a failure names the report (ReadReport) or the
    // working file (MakeWorkFile, ReadWorkFile).
    Outcome<> outcome;
    // The working file's estimated size and its folder's free space, as
    // looked at before the first row was written.
    RowStoreRoom room;

    ReportLayout layout;
    RowStore rows;
    // The field count of the line split last, of whatever type: until a row
    // is read back it decides how many columns the titles show.
    int fieldCount = 0;
    // The field count of the last data row; none without rows.
    std::optional<int> lastRowFieldCount;
    // The report was changed, cut or replaced while it was read (another file
    // under its name, another size or modification time): what was read is
    // kept, but it may not be the whole report.
    bool changedWhileRead = false;
    // Counted while reading, when LoadOptions::rowsPerPage was given.
    std::optional<PageTotals> totals;
    // Surveyed while reading, when LoadOptions::surveyNumbers was set and
    // the report has rows.
    std::optional<NumberSurvey> numbers;

    bool Ok() const { return outcome.Ok(); }
};

// Reads the report file once: the description goes into the layout, every
// data row into a new row store at rowStorePath (see RowStore::Create). Widths
// end up derived from the longest texts met (amount columns 1.4 times wider),
// at most 50. Memory does not grow with the report: a line is kept up to
// 64 KiB and the rest of a longer one is skipped as it is read. A report that
// is not a regular file (a folder, a device, a FIFO, a socket) is refused
// before anything is read or created.
[[nodiscard]] LoadResult LoadReport(const std::string& reportPath, const std::string& rowStorePath,
                                    const LoadOptions& options = {});

// A column's width from the length of its longest text: amounts 40 % wider,
// every width at most ReportLayout::MaxColumnWidth.
int16_t ColumnWidthFor(int longest, uint8_t kind);

// Raises `longest` to the field's length in characters; a text has no more
// characters than bytes, so only a field longer in bytes than that needs
// counting.
void MeasureField(int16_t& longest, std::string_view field);

}  // namespace Tabulon
