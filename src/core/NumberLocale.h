#pragma once
#include <string>

namespace Tabulon {

// The separators of the user's locale, handed to the engine as plain values so
// that tests can fix them. Each is UTF-8 text (some locales group with a
// narrow no-break space).
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    std::string timeSeparator = ":";

    static NumberLocale Turkish() { return {",", ".", ":"}; }
    static NumberLocale English() { return {".", ",", ":"}; }
    bool operator==(const NumberLocale&) const = default;
};

}  // namespace Tabulon
