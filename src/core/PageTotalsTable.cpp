#include "core/PageTotalsTable.h"

namespace Tabulon {

void PageTotalsTable::Clear() {
    for (auto& column : columns_) std::vector<Currency>().swap(column);
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
}

}  // namespace Tabulon
