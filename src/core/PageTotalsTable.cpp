#include "core/PageTotalsTable.h"

#include <atomic>

namespace Tabulon {

void PageTotalsTable::Clear() {
    for (auto& column : columns_) std::vector<Currency>().swap(column);
    version_ = 0;
}

Currency PageTotalsTable::Get(int64_t page, int column) const {
    if (column < 1 || column > Columns || page < 1) return Currency{};
    const auto& cells = columns_[column];
    if (page > static_cast<int64_t>(cells.size())) return Currency{};
    return cells[page - 1];
}

void PageTotalsTable::Add(int64_t page, int column, Currency amount) {
    if (column < 1 || column > Columns || page < 1) return;
    auto& cells = columns_[column];
    if (page > static_cast<int64_t>(cells.size())) cells.resize(page);
    cells[page - 1] = AddCurrency(cells[page - 1], amount);
    version_ = 0;
}

uint64_t PageTotalsTable::Version() const {
    static std::atomic<uint64_t> lastVersion{0};
    if (version_ == 0) version_ = ++lastVersion;
    return version_;
}

}  // namespace Tabulon
