#include "cli/PageChoice.h"

namespace Tabulon {

std::optional<int32_t> PageNumber(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int32_t n = static_cast<int32_t>(std::stol(text));
    if (n < 1) return std::nullopt;
    return n;
}

std::optional<std::pair<int32_t, int32_t>> PrintRange(const std::string& text, int32_t pageCount) {
    if (text == "all") return std::pair{1, pageCount};
    if (text == "odd") return std::pair{-1, -1};
    if (text == "even") return std::pair{-2, -2};
    const size_t dash = text.find('-');
    if (dash == std::string::npos) {
        if (auto n = PageNumber(text)) return std::pair{*n, *n};
        return std::nullopt;
    }
    const auto from = PageNumber(text.substr(0, dash));
    const auto to = PageNumber(text.substr(dash + 1));
    if (!from || !to) return std::nullopt;
    return std::pair{*from, *to};
}

}  // namespace Tabulon
