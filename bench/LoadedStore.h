#pragma once
#include <unistd.h>

#include <string>

#include "BenchSupport.h"
#include "input/LoadReport.h"

namespace Tabulon {

namespace bench {

// Rows handled a second, as a counter of the benchmark.
inline void CountRows(benchmark::State& state, long rows) {
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

// A generated report loaded once, its row store given a name so that the
// floors can read the store plainly; the name goes with it.
struct LoadedStore {
    Reports& reports = Reports::Shared();
    const std::string& report;
    LoadResult loaded;

    LoadedStore(long rows, const std::string& storeName) : report(reports.Report(rows)) {
        LoadOptions options;
        options.keepRowStoreName = true;
        loaded = LoadReport(report, reports.File(storeName), options);
    }
    ~LoadedStore() { unlink(loaded.rows.Path().c_str()); }
    LoadedStore(const LoadedStore&) = delete;
    LoadedStore& operator=(const LoadedStore&) = delete;
};

}  // namespace bench

}  // namespace Tabulon
