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

    // A number no other content of any table had: equal versions mean equal
    // totals, so what is worked out from them can be kept until it changes.
    // A copy keeps the version of what it copied.
    uint64_t Version() const;

  private:
    std::array<std::vector<Currency>, Columns + 1> columns_{};
    // 0 after a change: a new number is drawn when one is asked for, so the
    // totals pass pays a plain store per sum rather than a shared counter.
    mutable uint64_t version_ = 0;
};

}  // namespace Tabulon
