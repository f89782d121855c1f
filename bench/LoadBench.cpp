// Opening a report, beside floors measured in the same run:
// - `tabulon-export info` as a child process (load, page totals counted in
//   the same pass, page 1 drawn, the JSON written) at 100k, 1M and 3M rows,
//   with the child's peak resident memory, which must not grow with the rows
//   beyond the page totals;
// - the loader alone, in this process;
// - the load floor: the same report read and the same 512 bytes per row
//   written with plain 1 MiB reads and writes;
// - the totals pass over a 1M-row store, beside reading that store plainly.
#include <fcntl.h>
#include <unistd.h>

#include "BenchSupport.h"
#include "input/ComputePageTotals.h"
#include "input/LoadReport.h"

using namespace Tabulon;

namespace {

using bench::Reports;

void Rows(benchmark::State& state) {
    state.counters["rows/s"] = benchmark::Counter(
        static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}

void BM_InfoProgram(benchmark::State& state) {
    const std::string& report = Reports::Shared().Report(state.range(0));
    bench::TimeChildren(
        state,
        [&] {
            return bench::RunChild({TABULON_EXPORT_PROGRAM, "info", report});
        },
        true);
    Rows(state);
}

void BM_LoadFloor(benchmark::State& state) {
    Reports& reports = Reports::Shared();
    const std::string& report = reports.Report(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(bench::LoadFloor(report, reports.Dir()));
    Rows(state);
}

void BM_LoadReport(benchmark::State& state) {
    Reports& reports = Reports::Shared();
    const std::string& report = reports.Report(state.range(0));
    LoadOptions options;
    options.locale = NumberLocale::Turkish();
    options.rowsPerPage = [](int16_t) { return 58; };
    for (auto _ : state) {
        LoadResult loaded = LoadReport(report, reports.File("BUFFILE.DAT"), options);
        benchmark::DoNotOptimize(loaded.rows.RecordCount());
    }
    Rows(state);
}

// A loaded 1M-row store, its name kept so that the floor can read it too.
struct Store {
    LoadResult loaded;
    Store() {
        Reports& reports = Reports::Shared();
        LoadOptions options;
        options.keepRowStoreName = true;
        loaded = LoadReport(reports.Report(1000000), reports.File("kept.dat"), options);
    }
    ~Store() { unlink(loaded.rows.Path().c_str()); }
    static Store& Shared() {
        static Store store;
        return store;
    }
};

void BM_ComputePageTotals(benchmark::State& state) {
    Store& store = Store::Shared();
    const TotalFlags flags = TotalFlagsOf(store.loaded.layout);
    for (auto _ : state) {
        TotalsPass pass = ComputePageTotals(store.loaded.rows, flags, 58, NumberLocale::Turkish());
        benchmark::DoNotOptimize(pass.totals.pageCount);
    }
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(store.loaded.rows.RecordCount()) *
                               static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

// Floor: every byte of the same store read once, in 1 MiB blocks.
void BM_ReadRowStoreFloor(benchmark::State& state) {
    Store& store = Store::Shared();
    std::vector<char> block(bench::Block);
    for (auto _ : state) {
        const int fd = open(store.loaded.rows.Path().c_str(), O_RDONLY | O_CLOEXEC);
        size_t total = 0;
        ssize_t got = 0;
        while ((got = read(fd, block.data(), block.size())) > 0) total += static_cast<size_t>(got);
        close(fd);
        benchmark::DoNotOptimize(total);
    }
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(store.loaded.rows.RecordCount()) *
                               static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

}  // namespace

// The programs first, while this process is small (see TimeChildren).
BENCHMARK(BM_InfoProgram)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(3000000)
    ->UseManualTime()
    ->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_LoadFloor)->Arg(100000)->Arg(1000000)->Arg(3000000)->Apply([](auto* b) {
    bench::Repeated(b);
});
BENCHMARK(BM_LoadReport)->Arg(1000000)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_ComputePageTotals)->Apply([](auto* b) { bench::Repeated(b, 3); });
BENCHMARK(BM_ReadRowStoreFloor)->Apply([](auto* b) { bench::Repeated(b, 3); });
BENCHMARK_MAIN();
