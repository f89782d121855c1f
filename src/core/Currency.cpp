#include "core/Currency.h"

#include <cstdlib>
#include <limits>

Currency AddCurrency(Currency a, Currency b) {
    int64_t sum = 0;
    if (__builtin_add_overflow(a.scaled, b.scaled, &sum)) {
        sum = b.scaled > 0 ? std::numeric_limits<int64_t>::max()
                           : std::numeric_limits<int64_t>::min();
    }
    return Currency{sum};
}

std::string CurrencyToPlainText(Currency value) {
    const bool negative = value.scaled < 0;
    // Work in unsigned so that the most negative value has a magnitude too.
    uint64_t magnitude =
        negative ? 0 - static_cast<uint64_t>(value.scaled) : static_cast<uint64_t>(value.scaled);
    std::string fraction = std::to_string(magnitude % Currency::Scale);
    fraction.insert(0, 4 - fraction.size(), '0');
    return (negative ? "-" : "") + std::to_string(magnitude / Currency::Scale) + "." + fraction;
}
