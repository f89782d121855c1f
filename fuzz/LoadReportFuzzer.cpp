// Feeds arbitrary bytes to the loader as a report file, then reads the rows
// back through the totals pass: nothing may crash, hang or leave the widths
// outside 0..50.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "input/ComputePageTotals.h"
#include "input/LoadReport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string dir = [] {
        char pattern[] = "/tmp/tabulon-fuzz-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    const std::string report = dir + "/report.txt";
    const std::string store = dir + "/BUFFILE.DAT";
    std::FILE* f = std::fopen(report.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    ReportModel model;
    if (!LoadReport(model, report, store).Ok()) std::abort();
    for (int c = 1; c <= ReportModel::DescribedColumns; ++c)
        if (model.ColumnWidths[c] < 0 || model.ColumnWidths[c] > 50) std::abort();
    for (int c = 1; c <= 30; ++c) model.ColumnTotalFlags[c] = true;
    ComputePageTotals(model, size % 7, store, NumberLocale::Turkish());
    if (model.PageCount < 1) std::abort();
    return 0;
}
