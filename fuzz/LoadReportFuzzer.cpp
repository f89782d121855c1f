// Feeds arbitrary bytes to the loader as a report file, sometimes behind a
// line long enough that the fuzzed lines cross the loader's read blocks.
// A report may start with a byte-order mark, UTF-16 ones included.
// Nothing may crash or hang; every data line must become one record of valid
// UTF-8; widths stay within 0..50; and the page totals counted and the numbers
// surveyed while the rows are read must equal what a second pass over the row
// store finds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "ReportLines.h"
#include "core/TextEncoding.h"
#include "input/ComputePageTotals.h"
#include "input/LoadReport.h"
#include "input/ReportTranscoder.h"
#include "render/ShownWidths.h"

using namespace Tabulon;

namespace {

// The loader reads a megabyte at a time; a filler line this much shorter puts
// the fuzzed lines across the first block's end.
constexpr size_t ReadBlock = 1 << 20;

void CheckRecords(const RowStore& rows) {
    RecordBlock block;
    for (int64_t first = 1; first <= rows.RecordCount(); first += 1000) {
        if (!rows.Read(first, 1000, block).Ok()) std::abort();
        for (std::string_view text : block.texts)
            if (text.size() != RowStore::TextSize || !IsValidUtf8(text)) std::abort();
    }
}

void CheckSameTotals(const PageTotals& a, const PageTotals& b) {
    if (a.pageCount != b.pageCount) std::abort();
    for (int32_t page = 1; page <= a.pageCount; ++page)
        for (int c = 1; c <= ReportLayout::TotalledColumns; ++c)
            if (a.table.Get(page, c) != b.table.Get(page, c)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    // Rows per page as measured: a page's rows less the header lines.
    const int32_t pageRows = input.ConsumeIntegralInRange<int32_t>(-3, 60);
    const NumberLocale locale =
        input.ConsumeBool() ? NumberLocale::Turkish() : NumberLocale::English();
    const bool acrossBlocks = input.ConsumeIntegralInRange<int>(0, 3) == 0;
    const size_t before = input.ConsumeIntegral<uint8_t>();
    const std::vector<uint8_t> fuzzed = input.ConsumeRemainingBytes<uint8_t>();

    std::string bytes;
    if (acrossBlocks) {
        bytes.assign(ReadBlock - before - 1, '0');  // type 0: a line that is ignored
        bytes += '\r';
    }
    bytes.append(fuzzed.begin(), fuzzed.end());
    const std::string report =
        WriteFuzzFile("report.txt", reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());

    LoadOptions options;
    options.locale = locale;
    options.rowsPerPage = [pageRows](int16_t headerCount) { return pageRows - headerCount; };
    options.surveyNumbers = true;
    const LoadResult loaded = LoadReport(report, FuzzFolder::File("BUFFILE.DAT"), options);
    if (!loaded.Ok()) std::abort();
    const ReportLayout& layout = loaded.layout;
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c)
        if (layout.ColumnWidths[c] < 0 || layout.ColumnWidths[c] > 50) std::abort();
    if (layout.HeaderCount < 0) std::abort();
    if (loaded.fieldCount < 0 || loaded.fieldCount > ReportLayout::MaxFields) std::abort();

    const int64_t rowCount = loaded.rows.RecordCount();
    // Lines are counted in the text as the loader cuts it: a byte-order mark
    // dropped, UTF-16 turned into UTF-8.
    ReportTranscoder transcoder;
    std::string text(transcoder.Block(bytes));
    text += transcoder.End();
    if (rowCount != CountDataLines(text)) std::abort();
    if (loaded.lastRowFieldCount.has_value() != (rowCount > 0)) std::abort();
    CheckRecords(loaded.rows);

    const int32_t rowsPerPage = pageRows - layout.HeaderCount;
    const auto pass = ComputePageTotals(loaded.rows, TotalFlagsOf(layout), rowsPerPage, locale);
    if (!pass.Ok()) std::abort();
    if (pass->totals.pageCount != ExpectedPages(rowCount, rowsPerPage)) std::abort();
    if (loaded.totals.has_value() != (rowCount > 0)) std::abort();
    if (pass->lastFieldCount != loaded.lastRowFieldCount) std::abort();
    // Counted while reading, under the header count and flags of the first
    // row: when those still hold at the end, both counts must agree.
    if (loaded.totals && loaded.totals->rowsPerPage == rowsPerPage &&
        loaded.totals->flags == TotalFlagsOf(layout))
        CheckSameTotals(*loaded.totals, pass->totals);
    // Surveyed under the description met before the first row: when that
    // covers every column showing numbers at the end, the widths must agree.
    if (loaded.numbers.has_value() != (rowCount > 0)) std::abort();
    if (loaded.numbers && loaded.numbers->Covers(layout)) {
        const auto read = WidestShownNumbers(layout, loaded.rows, locale);
        if (!read.Ok() || read.Value() != ShownWidthsOf(*loaded.numbers, layout, locale))
            std::abort();
    }
    return 0;
}
