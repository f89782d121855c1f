#include "viewer/ColumnWidthMemory.h"

#include <algorithm>

namespace Tabulon {

ColumnWidthMemory::ColumnWidthMemory(SettingsBackend& settings) : remembered_(settings) {}

void ColumnWidthMemory::Opened(ReportLayout& layout) {
    measured_ = layout.ColumnWidths;
    set_ = remembered_.For(layout);
    for (const auto& [column, width] : set_)
        layout.ColumnWidths[static_cast<size_t>(column)] = width;
}

void ColumnWidthMemory::Set(ReportLayout& layout, int column, int16_t width) {
    layout.ColumnWidths[static_cast<size_t>(column)] = width;
    const auto same = std::find_if(set_.begin(), set_.end(),
                                   [column](const auto& set) { return set.column == column; });
    if (same != set_.end())
        same->width = width;
    else
        set_.push_back({column, width});
    std::sort(set_.begin(), set_.end(),
              [](const auto& a, const auto& b) { return a.column < b.column; });
    remembered_.Remember(layout, set_);
}

void ColumnWidthMemory::Reset(ReportLayout& layout) {
    layout.ColumnWidths = measured_;
    set_.clear();
    remembered_.Remember(layout, set_);
}

}  // namespace Tabulon
