#include "render/PageSelection.h"

#include <algorithm>

namespace Tabulon {

bool PageSelection::Includes(int32_t page) const {
    if (page < first || page > last) return false;
    // A page is even when twice its half is the page itself.
    const bool even = (page / 2) * 2 == page;
    switch (parity) {
        case Parity::Odd:
            return !even;
        case Parity::Even:
            return even;
        case Parity::All:
            break;
    }
    return true;
}

std::vector<int32_t> PageSelection::Pages() const {
    std::vector<int32_t> pages;
    for (int32_t page = first; page <= last; ++page) {
        if (Includes(page)) pages.push_back(page);
        if (page == last) break;  // ++page would overflow at INT32_MAX
    }
    return pages;
}

PageSelection SelectPages(int32_t fromPage, int32_t toPage, int32_t pageCount) {
    PageSelection selection;
    selection.last = pageCount;
    if (fromPage >= 1) {
        // Without a last page the whole report prints, from page 1.
        if (toPage >= 1) {
            selection.first = fromPage;
            selection.last = std::min(toPage, pageCount);
        }
    } else {
        selection.parity =
            fromPage == -2 ? PageSelection::Parity::Even : PageSelection::Parity::Odd;
    }
    return selection;
}

}  // namespace Tabulon
