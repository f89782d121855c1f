#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "core/NumberLocale.h"
#include "core/PageTotalsTable.h"
#include "core/ReportLayout.h"

namespace Tabulon {

// Which of the columns 1..30 are summed.
using TotalFlags = std::array<bool, ReportLayout::TotalledColumns + 1>;
TotalFlags TotalFlagsOf(const ReportLayout& layout);

// The pages of a report under one number of rows per page: how many there
// are and the sums of the flagged columns on each.
struct PageTotals {
    PageTotalsTable table;
    int32_t pageCount = 1;
    int32_t rowsPerPage = 0;  // what the pages were counted with
    TotalFlags flags{};       // which columns were summed
    // False while the report is still being read: pageCount is then the
    // pages read so far, not the report's.
    bool complete = true;
};

// Counts the pages and sums the flagged fields as the rows come, in order.
// With rowsPerPage <= 0 every row starts a new page, so page 1 stays empty
// and the page count is the row count plus one.
class PageTotalsCounter {
  public:
    PageTotalsCounter(int32_t rowsPerPage, const TotalFlags& flags, const NumberLocale& locale);

    // The highest flagged column: fields past it need not be looked at.
    int LastFlagged() const { return lastFlagged_; }
    bool Flagged(int column) const {
        return column >= 1 && column <= lastFlagged_ && totals_.flags[column];
    }
    // The next row begins: it lands on the current page or starts the next.
    void StartRow() {
        if (++rowsOnPage_ > totals_.rowsPerPage) {
            EndPage();
            if (totals_.pageCount < INT32_MAX) ++totals_.pageCount;
            rowsOnPage_ = 1;
        }
    }
    // A flagged field of the current row, read as money in the locale.
    void AddField(int column, std::string_view text);

    // The pages ended so far (those before the page being filled) and their
    // totals, leaving the count going on.
    PageTotals Completed() const {
        PageTotals done = totals_;
        done.pageCount = CompletedPages();
        done.complete = false;
        return done;
    }
    int32_t CompletedPages() const { return rowsOnPage_ > 0 ? totals_.pageCount - 1 : 0; }

    PageTotals Take() {
        EndPage();
        return std::move(totals_);
    }

  private:
    // The current page's sums go into the table, once per page rather than
    // once per row.
    void EndPage();

    PageTotals totals_;
    NumberLocale locale_;
    int lastFlagged_ = 0;
    int64_t rowsOnPage_ = 0;
    std::array<Currency, ReportLayout::TotalledColumns + 1> page_{};
    uint32_t added_ = 0;  // bit c: something was added to column c on this page
};

}  // namespace Tabulon
