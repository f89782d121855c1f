#include "input/ComputePageTotals.h"

#include <limits>
#include <vector>

#include "input/RowStore.h"
#include "input/SafeCurrency.h"
#include "input/SplitFields.h"

namespace {
// Records read with one read: 1 MiB of the row store at a time.
constexpr int64_t RunLength = 2048;
}  // namespace

void ComputePageTotals(ReportModel& model, int32_t rowsPerPage, const std::string& rowStorePath,
                       const NumberLocale& locale) {
    model.PageTotals.Clear();
    int32_t page = 1;
    int64_t rowsOnPage = 0;

    // Only flagged columns up to 30 are ever summed; the walk through a record
    // ends at the last of them.
    std::array<bool, ReportModel::TotalledColumns + 1> flagged{};
    int lastFlagged = 0;
    for (int c = 1; c <= ReportModel::TotalledColumns; ++c) {
        flagged[c] = model.ColumnTotalFlags[c];
        if (flagged[c]) lastFlagged = c;
    }

    // Each record is walked in place rather than split into model.Fields, and
    // only the last record is split, leaving Fields and FieldCount as a split
    // of every record in turn would. The widths a split measures are read
    // only when the load ends, so walking without measuring changes nothing.
    RowStore store;
    store.Open(rowStorePath);
    std::vector<char> block;
    std::vector<std::string_view> texts;
    std::string lastRecord;  // records are never empty: empty means none
    while (store.ReadNextRun(RunLength, block, texts)) {
        for (std::string_view text : texts) {
            if (++rowsOnPage > rowsPerPage) {
                if (page < std::numeric_limits<int32_t>::max()) ++page;
                rowsOnPage = 1;
            }
            ForEachField(text, lastFlagged, [&](int c, std::string_view field) {
                if (flagged[c]) model.PageTotals.Add(page, c, SafeCurrency(field, locale));
            });
        }
        lastRecord.assign(texts.back());
    }
    store.Close();
    if (!lastRecord.empty()) SplitFields(model, lastRecord);
    model.PageCount = page;
}
