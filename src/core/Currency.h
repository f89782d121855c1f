#pragma once
#include <cstdint>
#include <string>

// Money with four fixed decimals, held as an integer count of 1/10000 units so
// that sums of many rows stay exact.
struct Currency {
    static constexpr int64_t Scale = 10000;
    int64_t scaled = 0;

    friend bool operator==(Currency, Currency) = default;
};

// Adds without wrapping: a total that leaves the 64-bit range sticks at its edge
// instead of turning into a wrong sign.
Currency AddCurrency(Currency a, Currency b);

// "1234.5000", "-12.5000": the plain decimal form used in machine-readable output.
std::string CurrencyToPlainText(Currency value);
