#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/Currency.h"

namespace Tabulon {

// Per-page sums of the flagged columns 1..30. Each column grows with the page
// count only once something is added to it, so a report of any length keeps
// all its totals and unflagged columns cost nothing; cells never written read
// as zero.
class PageTotalsTable {
  public:
    static constexpr int Columns = 30;

    void Clear();
    Currency Get(int64_t page, int column) const;
    void Add(int64_t page, int column, Currency amount);

  private:
    std::array<std::vector<Currency>, Columns + 1> columns_{};
};

}  // namespace Tabulon
