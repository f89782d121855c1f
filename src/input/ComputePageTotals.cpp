#include "input/ComputePageTotals.h"

#include <limits>

#include "input/RowStore.h"
#include "input/SafeCurrency.h"
#include "input/SplitFields.h"

void ComputePageTotals(ReportModel& model, int32_t rowsPerPage, const std::string& rowStorePath,
                       const NumberLocale& locale) {
    model.PageTotals.Clear();
    int32_t page = 1;
    int64_t rowsOnPage = 0;

    // Only flagged columns up to 30 are ever summed.
    int flagged[ReportModel::TotalledColumns];
    int flaggedCount = 0;
    for (int c = 1; c <= ReportModel::TotalledColumns; ++c)
        if (model.ColumnTotalFlags[c]) flagged[flaggedCount++] = c;

    RowStore store;
    store.Open(rowStorePath);
    std::string text;
    while (store.ReadNext(text)) {
        if (++rowsOnPage > rowsPerPage) {
            if (page < std::numeric_limits<int32_t>::max()) ++page;
            rowsOnPage = 1;
        }
        SplitFields(model, text);
        for (int i = 0; i < flaggedCount; ++i) {
            const int c = flagged[i];
            model.PageTotals.Add(page, c, SafeCurrency(model.Fields[c], locale));
        }
    }
    store.Close();
    model.PageCount = page;
}
