#pragma once
#include <cstdint>
#include <limits>
#include <string>

// Money with four fixed decimals, held as an integer count of 1/10000 units so
// that sums of many rows stay exact.
struct Currency {
    static constexpr int64_t Scale = 10000;
    int64_t scaled = 0;

    friend bool operator==(Currency, Currency) = default;
};

// Adds without wrapping: a total that leaves the 64-bit range sticks at its edge
// instead of turning into a wrong sign. Inline: it runs for every total of
// every row.
inline Currency AddCurrency(Currency a, Currency b) {
    int64_t sum = 0;
    if (__builtin_add_overflow(a.scaled, b.scaled, &sum))
        sum = b.scaled > 0 ? std::numeric_limits<int64_t>::max()
                           : std::numeric_limits<int64_t>::min();
    return Currency{sum};
}

// "1234.5000", "-12.5000": the plain decimal form used in machine-readable output.
std::string CurrencyToPlainText(Currency value);
// The same, appended to `out`.
void AppendPlainText(std::string& out, Currency value);
