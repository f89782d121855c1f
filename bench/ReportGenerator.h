#pragma once
#include <cstdio>
#include <string>

// Writes a report of `rows` data rows like the ones the calling programs
// produce: three headers, titles, widths, markers, formats, then rows with a
// code, a name, a city, a count, a price and an amount in Turkish notation.
inline void WriteLargeReport(const std::string& path, long rows) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fputs("1VORNAK TİCARET A.Ş.\r\n1YILLIK SATIŞ RAPORU\r\n1Tüm Şubeler\r\n", f);
    std::fputs("2Kod\tMüşteri\tŞehir\tAdet\tBirim Fiyat\tTutar\t\r\n", f);
    std::fputs("36\t20\t12\t6\t10\t12\t\r\n4\t\t\t++\t\t++\t\r\n5Z\tT\tT\tN\t2\tC\t\r\n", f);
    static const char* names[] = {"Ayşe Yılmaz", "Mehmet Kaya", "Fatma Demir", "Ali Şahin"};
    static const char* cities[] = {"İstanbul", "Ankara", "İzmir", "Çorum", "Muğla"};
    for (long i = 1; i <= rows; ++i) {
        const long count = 1 + (i * 7919) % 1500;
        const long priceCents = 150 + (i * 104729) % 250000;
        const long long amountCents = static_cast<long long>(count) * priceCents;
        std::fprintf(f, "9%ld\t%s\t%s\t%ld\t%ld,%02ld\t%lld,%02lld\t\r\n", i, names[i % 4],
                     cities[i % 5], count, priceCents / 100, priceCents % 100, amountCents / 100,
                     amountCents % 100);
    }
    std::fclose(f);
}
