#pragma once
#include <cstdint>

namespace Tabulon {

// Every fractional value that becomes a whole number in this program rounds a
// half to the even neighbour (7.5 -> 8, 8.5 -> 8), clamped to the 32-bit range.
int32_t RoundHalfEven(double value);

// The same rounding into the 16-bit range used by a few stored values.
int16_t ClampToInt16(int64_t value);
int32_t ClampToInt32(int64_t value);

}  // namespace Tabulon
