#pragma once
#include <cstdint>
#include <vector>

namespace Tabulon {

// Which pages a print job (or a PDF export) prints, from the two numbers the
// print dialog leaves: a range when both are 1 or more, every page when the
// first is 1 or more and the last 0 or less, the even pages for -2 and the odd pages for any other
// value below 1. Pages outside 1..pageCount are never selected.
struct PageSelection {
    enum class Parity { All, Odd, Even };

    int32_t first = 1;
    int32_t last = 0;  // below first: nothing
    Parity parity = Parity::All;

    bool Includes(int32_t page) const;
    // The selected pages in printing order.
    std::vector<int32_t> Pages() const;
};

PageSelection SelectPages(int32_t fromPage, int32_t toPage, int32_t pageCount);

}  // namespace Tabulon
