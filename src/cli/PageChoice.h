#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace Tabulon {

// A whole positive number, nothing else.
std::optional<int32_t> PageNumber(const std::string& text);

// The print dialog's two numbers for a --pages choice: all, N-M, N, odd, even.
std::optional<std::pair<int32_t, int32_t>> PrintRange(const std::string& text, int32_t pageCount);

}  // namespace Tabulon
