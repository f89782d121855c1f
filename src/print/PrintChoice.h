#pragma once
#include <cstdint>
#include <string>

namespace Tabulon {

// What the print dialog leaves: whether to print, the pages and the printer.
// fromPage and toPage are the dialog's two numbers: a range, 1 and the page
// count for every page, -1 and -1 for the odd pages, -2 and -2 for the even.
struct PrintChoice {
    bool confirmed = false;
    int32_t fromPage = 0;
    int32_t toPage = 0;
    std::string printer;
};

}  // namespace Tabulon
