#include "input/PageTotals.h"

#include "input/SafeCurrency.h"

namespace Tabulon {

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

static_assert(ReportLayout::TotalledColumns < 32, "a bit for every totalled column");

void PageTotalsCounter::AddField(int column, std::string_view text) {
    if (column < 1 || column > ReportLayout::TotalledColumns) return;
    page_[column] = AddCurrency(page_[column], SafeCurrency(text, locale_));
    added_ |= 1u << column;
}

void PageTotalsCounter::EndPage() {
    for (int c = 1; added_ != 0 && c <= ReportLayout::TotalledColumns; ++c) {
        if (!(added_ & (1u << c))) continue;
        totals_.table.Add(totals_.pageCount, c, page_[c]);
        page_[c] = Currency{};
        added_ &= ~(1u << c);
    }
}

}  // namespace Tabulon
