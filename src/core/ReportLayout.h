#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace Tabulon {

// Column kind codes set from a report's format letters.
enum ColumnKind : uint8_t {
    KindNone = 0,
    KindAmount = 5,
    KindNumber = 7,
    KindText = 10,
};

// What the description records of a report say about its pages: header
// lines, column titles, widths in characters, display patterns, kinds and
// total flags. The loader fills it; afterwards only the headers dialog (the
// first three header lines) and the ruler (widths) change it. Tables keep the
// 1-based column numbers the layout formulas use; index 0 is never read.
struct ReportLayout {
    static constexpr int MaxHeaderLines = 10;
    // A line holds at most this many fields; fields past it are ignored.
    static constexpr int MaxFields = 150;
    // Only these columns are described, laid out and measured.
    static constexpr int DescribedColumns = 50;
    // No column is measured wider than this many characters.
    static constexpr int MaxColumnWidth = 50;
    // Only these columns are ever totalled.
    static constexpr int TotalledColumns = 30;

    std::array<std::string, MaxHeaderLines + 1> HeaderLines{};
    // Every header record counts, also those past the tenth, which are not kept.
    int16_t HeaderCount = 0;
    std::array<std::string, DescribedColumns + 1> ColumnTitles{};
    std::array<int16_t, DescribedColumns + 1> ColumnWidths{};
    // The longest field of each column among the description records alone
    // (titles, widths, markers, formats), in characters: where a column's
    // width starts before the data rows are measured.
    std::array<int16_t, DescribedColumns + 1> DescriptionWidths{};
    using WidthTable = std::array<int16_t, DescribedColumns + 1>;
    std::array<bool, DescribedColumns + 1> ColumnTotalFlags{};
    std::array<std::string, DescribedColumns + 1> ColumnFormats{};
    std::array<uint8_t, DescribedColumns + 1> ColumnKinds{};

    // A column's title; columns past the described ones have none.
    const std::string& Title(int column) const {
        static const std::string none;
        return column >= 1 && column <= DescribedColumns ? ColumnTitles[column] : none;
    }
    uint8_t Kind(int column) const {
        return column >= 1 && column <= DescribedColumns ? ColumnKinds[column] : uint8_t{KindNone};
    }
    // Flagged for totals and within the totalled columns.
    bool Totalled(int column) const {
        return column >= 1 && column <= TotalledColumns && ColumnTotalFlags[column];
    }
};

}  // namespace Tabulon
