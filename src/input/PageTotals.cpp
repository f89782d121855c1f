#include "input/PageTotals.h"

#include "input/SafeCurrency.h"

TotalFlags TotalFlagsOf(const ReportLayout& layout) {
    TotalFlags flags{};
    for (int c = 1; c <= ReportLayout::TotalledColumns; ++c) flags[c] = layout.ColumnTotalFlags[c];
    return flags;
}

PageTotalsCounter::PageTotalsCounter(int32_t rowsPerPage, const TotalFlags& flags,
                                     const NumberLocale& locale)
    : locale_(locale) {
    totals_.rowsPerPage = rowsPerPage;
    totals_.flags = flags;
    for (int c = 1; c <= ReportLayout::TotalledColumns; ++c)
        if (flags[c]) lastFlagged_ = c;
}

void PageTotalsCounter::AddField(int column, std::string_view text) {
    totals_.table.Add(totals_.pageCount, column, SafeCurrency(text, locale_));
}
