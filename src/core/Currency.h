#pragma once
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace Tabulon {

// Money with four fixed decimals, held as an integer count of 1/10000 units so
// that sums of many rows stay exact.
struct Currency {
    static constexpr int64_t Scale = 10000;
    int64_t scaled = 0;

    // A total that cannot be held: an amount beyond the range was added, or
    // the sum left it. It stays so whatever is added after it, and is shown
    // as a mark, never as a number. The lowest value stands for it, as no
    // amount read reaches it (the range is kept symmetric).
    static constexpr Currency Overflow() { return {std::numeric_limits<int64_t>::min()}; }
    constexpr bool Overflowed() const { return scaled == std::numeric_limits<int64_t>::min(); }

    friend bool operator==(Currency, Currency) = default;
};

// Adds without wrapping: a total that leaves the 64-bit range, or that holds
// an overflow already, is Currency::Overflow() rather than a wrong number.
// Inline: it runs for every total of every row.
inline Currency AddCurrency(Currency a, Currency b) {
    int64_t sum = 0;
    if (a.Overflowed() || b.Overflowed() || __builtin_add_overflow(a.scaled, b.scaled, &sum))
        return Currency::Overflow();
    return Currency{sum};
}

// What stands for a total that cannot be held, on the page and in
// machine-readable output alike: a run of '#', as spreadsheets show a value
// they cannot show, which no one can take for a number.
inline constexpr std::string_view OverflowMark = "########";

// Appends "1234.5000", "-12.5000": the plain decimal form used in
// machine-readable output; OverflowMark for Currency::Overflow().
void AppendPlainText(std::string& out, Currency value);

}  // namespace Tabulon
