#pragma once
#include <cstdint>
#include <vector>

#include "core/RememberedWidths.h"

namespace Tabulon {

// The widths the user set on the ruler for the report shown, remembered in
// the settings for its column titles, beside the widths the report was
// measured with, to return to.
class ColumnWidthMemory {
  public:
    explicit ColumnWidthMemory(SettingsBackend& settings);

    // A report opened: its measured widths kept, and those remembered for its
    // titles given to its columns.
    void Opened(ReportLayout& layout);
    // A width set on the ruler: the column's, remembered for these titles.
    void Set(ReportLayout& layout, int column, int16_t width);
    // The measured widths back, and nothing remembered for these titles.
    void Reset(ReportLayout& layout);

  private:
    RememberedWidths remembered_;
    ReportLayout::WidthTable measured_{};
    std::vector<RememberedWidths::Width> set_;
};

}  // namespace Tabulon
