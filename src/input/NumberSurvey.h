#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/DecimalNumber.h"
#include "core/NumberLocale.h"
#include "core/ReportLayout.h"

namespace Tabulon {

// Whether the page shows a column's fields through a number pattern: a
// pattern other than text, or a number kind without one (a "Z" column before
// any widths line shows its codes as written, digits wider than the average
// character the loader counts in).
bool ShowsNumbers(const ReportLayout& layout, int column);

// The numbers of the columns 1..50 that show numbers, gathered row by row for
// the widest text each column will show. Per column only the largest number
// on either side of zero is kept (a pattern never shows a larger number
// shorter), so memory does not grow with the report. The loader gathers them
// as it reads the rows; a pass over the row store does when the description
// changed after the first row.
class NumberSurvey {
  public:
    // What one column keeps. Plain numbers ("-1.234.567,50") show as wide as
    // their sign and count of whole digits say, so only the first field of
    // the most whole digits on either side of zero is kept, as written; any
    // other number is read the exact way.
    struct Column {
        std::array<std::optional<DecimalNumber>, 2> largest;  // positive, negative
        std::array<int, 2> mostDigits{};
        std::array<std::string, 2> widest;
    };

    NumberSurvey(const ReportLayout& layout, const NumberLocale& locale);

    // The highest surveyed column: fields past it need not be looked at.
    int Last() const { return last_; }
    bool Surveys(int column) const { return column >= 1 && column <= last_ && surveyed_[column]; }
    // A field of a surveyed column as the row store keeps it.
    void Take(int column, std::string_view field);
    // Every surveyed field of a row's text as the row store keeps it.
    void TakeRow(std::string_view text);
    // Every column the layout shows numbers in was surveyed.
    bool Covers(const ReportLayout& layout) const;
    const Column& Of(int column) const { return columns_[column]; }

  private:
    NumberLocale locale_;
    std::array<bool, ReportLayout::DescribedColumns + 1> surveyed_{};
    int last_ = 0;
    std::array<Column, ReportLayout::DescribedColumns + 1> columns_;
};

}  // namespace Tabulon
