// Loading and the totals pass against plain copies of the same bytes, measured
// in the same run: the loader should stay within a small factor of just
// reading the report and writing 512 bytes per row.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "ReportGenerator.h"
#include "input/ComputePageTotals.h"
#include "input/LoadReport.h"
#include "input/RowStore.h"

namespace {

constexpr long Rows = 1000000;

struct Files {
    std::string dir =
        std::filesystem::temp_directory_path() / ("tabulon-bench-" + std::to_string(getpid()));
    std::string report = dir + "/report.txt";
    std::string store = dir + "/BUFFILE.DAT";
    Files() {
        std::filesystem::create_directories(dir);
        WriteLargeReport(report, Rows);
        ReportModel model;
        LoadReport(model, report, store);
    }
    ~Files() { std::filesystem::remove_all(dir); }
};

Files& Shared() {
    static Files files;
    return files;
}

void BM_LoadReport(benchmark::State& state) {
    Files& files = Shared();
    for (auto _ : state) {
        ReportModel model;
        LoadReport(model, files.report, files.dir + "/load.dat");
        benchmark::DoNotOptimize(model.RowCount);
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(Rows) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
}

// Floor: read the report in blocks and write one 512-byte record per row.
void BM_CopyFloor(benchmark::State& state) {
    Files& files = Shared();
    for (auto _ : state) {
        std::FILE* in = std::fopen(files.report.c_str(), "rb");
        std::FILE* out = std::fopen((files.dir + "/floor.dat").c_str(), "wb");
        std::vector<char> block(1 << 16);
        const std::string record(512, ' ');
        size_t got = 0;
        while ((got = std::fread(block.data(), 1, block.size(), in)) > 0)
            for (size_t i = 0; i < got; ++i)
                if (block[i] == '\r') std::fwrite(record.data(), 1, record.size(), out);
        std::fclose(in);
        std::fclose(out);
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(Rows) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
}

void BM_ComputePageTotals(benchmark::State& state) {
    Files& files = Shared();
    ReportModel model;
    model.ColumnTotalFlags[4] = model.ColumnTotalFlags[6] = true;
    for (auto _ : state) {
        ComputePageTotals(model, 58, files.store, NumberLocale::Turkish());
        benchmark::DoNotOptimize(model.PageCount);
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(Rows) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
}

// Floor: read every record of the row store once.
void BM_ReadRowStoreFloor(benchmark::State& state) {
    Files& files = Shared();
    for (auto _ : state) {
        std::FILE* in = std::fopen(files.store.c_str(), "rb");
        std::vector<char> block(1 << 16);
        size_t total = 0, got = 0;
        while ((got = std::fread(block.data(), 1, block.size(), in)) > 0) total += got;
        std::fclose(in);
        benchmark::DoNotOptimize(total);
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(Rows) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_LoadReport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CopyFloor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ComputePageTotals)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadRowStoreFloor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
