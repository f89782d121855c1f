// Loading and the totals pass against plain copies of the same bytes, measured
// in the same run at 100k and 1M rows: the loader should stay within a small
// factor of just reading the report and writing 512 bytes per row, and its
// memory should not grow with the rows (the peak resident size after the 1M
// runs equals the one after the 100k runs).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "ReportGenerator.h"
#include "input/ComputePageTotals.h"
#include "input/LoadReport.h"
#include "input/RowStore.h"

namespace {

constexpr size_t BufferSize = 1 << 20;

// The report and its row store, kept under a name so the floors can read it.
struct Files {
    std::string dir;
    std::string report;
    LoadResult loaded;
    explicit Files(long rows)
        : dir(std::filesystem::temp_directory_path() /
              ("tabulon-bench-" + std::to_string(getpid()) + "-" + std::to_string(rows))),
          report(dir + "/report.txt") {
        std::filesystem::create_directories(dir);
        WriteLargeReport(report, rows);
        LoadOptions options;
        options.keepRowStoreName = true;
        loaded = LoadReport(report, dir + "/BUFFILE.DAT", options);
    }
    ~Files() { std::filesystem::remove_all(dir); }
    Files(const Files&) = delete;
    Files& operator=(const Files&) = delete;
    const std::string& Store() const { return loaded.rows.Path(); }
};

Files& Shared(long rows) {
    static std::map<long, std::unique_ptr<Files>> files;
    auto& entry = files[rows];
    if (!entry) entry = std::make_unique<Files>(rows);
    return *entry;
}

void Count(benchmark::State& state) {
    state.counters["rows/s"] = benchmark::Counter(
        static_cast<double>(state.range(0)) * state.iterations(), benchmark::Counter::kIsRate);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_LoadReport(benchmark::State& state) {
    Files& files = Shared(state.range(0));
    for (auto _ : state) {
        const LoadResult loaded = LoadReport(files.report, files.dir + "/load.dat");
        benchmark::DoNotOptimize(loaded.rows.RecordCount());
    }
    Count(state);
}

// Floor: read the report in 1 MiB blocks and write one 512-byte record per
// row through a 1 MiB buffer.
void BM_CopyFloor(benchmark::State& state) {
    Files& files = Shared(state.range(0));
    for (auto _ : state) {
        std::FILE* in = std::fopen(files.report.c_str(), "rb");
        std::FILE* out = std::fopen((files.dir + "/floor.dat").c_str(), "wb");
        std::setvbuf(out, nullptr, _IOFBF, BufferSize);
        std::vector<char> block(BufferSize);
        const std::string record(512, ' ');
        size_t got = 0;
        while ((got = std::fread(block.data(), 1, block.size(), in)) > 0)
            for (size_t i = 0; i < got; ++i)
                if (block[i] == '\r') std::fwrite(record.data(), 1, record.size(), out);
        std::fclose(in);
        std::fclose(out);
    }
    Count(state);
}

void BM_ComputePageTotals(benchmark::State& state) {
    Files& files = Shared(state.range(0));
    TotalFlags flags{};
    flags[4] = flags[6] = true;
    for (auto _ : state) {
        const TotalsPass pass =
            ComputePageTotals(files.loaded.rows, flags, 58, NumberLocale::Turkish());
        benchmark::DoNotOptimize(pass.totals.pageCount);
    }
    Count(state);
}

// Floor: read every record of the row store once, in 1 MiB blocks.
void BM_ReadRowStoreFloor(benchmark::State& state) {
    Files& files = Shared(state.range(0));
    for (auto _ : state) {
        std::FILE* in = std::fopen(files.Store().c_str(), "rb");
        std::vector<char> block(BufferSize);
        size_t total = 0, got = 0;
        while ((got = std::fread(block.data(), 1, block.size(), in)) > 0) total += got;
        std::fclose(in);
        benchmark::DoNotOptimize(total);
    }
    Count(state);
}

}  // namespace

BENCHMARK(BM_LoadReport)->Unit(benchmark::kMillisecond)->Arg(100000)->Arg(1000000)->Iterations(3);
BENCHMARK(BM_CopyFloor)->Unit(benchmark::kMillisecond)->Arg(100000)->Arg(1000000)->Iterations(3);
BENCHMARK(BM_ComputePageTotals)
    ->Unit(benchmark::kMillisecond)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(3);
BENCHMARK(BM_ReadRowStoreFloor)
    ->Unit(benchmark::kMillisecond)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(3);
BENCHMARK_MAIN();
