#pragma once
#include <cstdio>
#include <string>

namespace Tabulon {

// Writes a report of `rows` data rows like the ones the calling programs
// produce: three headers, titles, widths, markers, formats, then rows of five
// fields of about 50 bytes in all: a code, a name, a city, a count and an
// amount in Turkish notation, the count and the amount totalled.
inline void WriteLargeReport(const std::string& path, long rows) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fputs("1VORNAK TİCARET A.Ş.\r\n1YILLIK SATIŞ RAPORU\r\n1Tüm Şubeler\r\n", f);
    std::fputs("2Kod\tMüşteri\tŞehir\tAdet\tTutar\t\r\n", f);
    std::fputs("36\t20\t12\t6\t12\t\r\n4\t\t\t++\t++\t\r\n5Z\tT\tT\tN\tC\t\r\n", f);
    static const char* names[] = {"Ayşe Yılmaz", "Mehmet Kaya", "Fatma Demir", "Ali Şahin"};
    static const char* cities[] = {"İstanbul", "Ankara", "İzmir", "Çorum", "Muğla"};
    for (long i = 1; i <= rows; ++i) {
        const long count = 1 + (i * 7919) % 1500;
        const long priceCents = 150 + (i * 104729) % 250000;
        const long long amountCents = static_cast<long long>(count) * priceCents;
        // The lira with a point between every three digits.
        const std::string digits = std::to_string(amountCents / 100);
        std::string whole;
        for (size_t at = 0; at < digits.size(); ++at) {
            if (at > 0 && (digits.size() - at) % 3 == 0) whole += '.';
            whole += digits[at];
        }
        std::fprintf(f, "9%ld\t%s\t%s\t%ld\t%s,%02lld\t\r\n", i, names[i % 4], cities[i % 5], count,
                     whole.c_str(), amountCents % 100);
    }
    std::fclose(f);
}

}  // namespace Tabulon
