#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/PageTotalsTable.h"

// Column kind codes set from a report's format letters.
enum ColumnKind : uint8_t {
    KindNone = 0,
    KindAmount = 5,
    KindNumber = 7,
    KindText = 10,
};

// Everything the program knows about the loaded report, the page setup and the
// view and print choices. One instance is created at start and handed by
// reference to every routine that needs it. Tables keep the 1-based indexes the
// layout formulas use; index 0 is never read.
struct ReportModel {
    static constexpr int MaxHeaderLines = 10;
    static constexpr int MaxFields = 150;
    static constexpr int DescribedColumns = 50;
    static constexpr int TotalledColumns = 30;

    // Invocation.
    std::string CommandLine;
    int32_t AppThreadId = 0;

    // Page setup (twips for sizes, millimetres for margins, points for the font).
    int32_t PageSizeX = 0;
    int32_t PageSizeY = 0;
    int16_t PageOrient = 0;
    int32_t SpaceX1 = 0;
    int32_t SpaceX2 = 0;
    int32_t SpaceY1 = 0;
    int32_t SpaceY2 = 0;
    std::string FontName;
    int16_t FontSize = 0;
    bool pTotals = false;
    bool aTotals = false;
    bool pNumbers = false;

    // Report description.
    std::array<std::string, MaxHeaderLines + 1> HeaderLines{};
    int16_t HeaderCount = 0;
    std::array<std::string, MaxFields + 1> ColumnTitles{};
    std::array<int16_t, MaxFields + 1> ColumnWidths{};
    std::array<int16_t, MaxFields + 1> MeasuredWidths{};
    std::array<bool, MaxFields + 1> ColumnTotalFlags{};
    std::array<std::string, MaxFields + 1> ColumnFormats{};
    std::array<uint8_t, MaxFields + 1> ColumnKinds{};

    // The most recently split line.
    std::array<std::string, MaxFields + 1> Fields{};
    int16_t FieldCount = 0;

    // Row store and pages.
    int32_t RowCount = 0;
    PageTotalsTable PageTotals;
    int32_t PageCount = 0;

    // View and print state.
    int32_t CurrentPage = 0;
    std::string SelectedPrinter;
    bool PrintConfirmed = false;
    int32_t PrintFromPage = 0;
    int32_t PrintToPage = 0;
};
