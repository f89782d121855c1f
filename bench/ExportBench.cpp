// The exports of a million rows beside a floor measured in the same run: the
// floor reads the row store and writes the very bytes the export produced,
// plainly, so what lies between the two is the cost of splitting rows and
// building the file format.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "ReportGenerator.h"
#include "export/ExportDelimited.h"
#include "export/ExportWorkbook.h"
#include "input/LoadReport.h"

namespace {

constexpr long Rows = 1000000;

std::string ReadWhole(const std::string& path) {
    std::string bytes;
    if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
        std::vector<char> block(1 << 20);
        size_t got = 0;
        while ((got = std::fread(block.data(), 1, block.size(), in)) > 0)
            bytes.append(block.data(), got);
        std::fclose(in);
    }
    return bytes;
}

struct Exported {
    std::string dir = std::filesystem::temp_directory_path() /
                      ("tabulon-export-bench-" + std::to_string(getpid()));
    LoadResult loaded;      // the row store keeps its name for the floors
    std::string csv, xlsx;  // the bytes of one export of each kind

    Exported() {
        std::filesystem::create_directories(dir);
        WriteLargeReport(dir + "/report.txt", Rows);
        LoadOptions options;
        options.keepRowStoreName = true;
        loaded = LoadReport(dir + "/report.txt", dir + "/BUFFILE.DAT", options);
        Csv(dir + "/first.csv");
        Xlsx(dir + "/first.xlsx");
        csv = ReadWhole(dir + "/first.csv");
        xlsx = ReadWhole(dir + "/first.xlsx");
    }
    ~Exported() { std::filesystem::remove_all(dir); }
    Exported(const Exported&) = delete;
    Exported& operator=(const Exported&) = delete;

    const std::string& Store() const { return loaded.rows.Path(); }
    void Csv(const std::string& path) const {
        ExportDelimited(loaded.rows, loaded.layout, loaded.fieldCount, DelimitedFormat::Csv, path);
    }
    void Xlsx(const std::string& path) const {
        ExportWorkbook(loaded.rows, loaded.layout, loaded.fieldCount, NumberLocale::Turkish(),
                       path);
    }
};

Exported& Shared() {
    static Exported exported;
    return exported;
}

void CountRows(benchmark::State& state) {
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(Rows) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
}

// Reads every record of the row store in blocks while writing `bytes` out
// in blocks of the same size.
void ReadStoreWriteBytes(const std::string& store, const std::string& bytes,
                         const std::string& out) {
    std::FILE* in = std::fopen(store.c_str(), "rb");
    std::FILE* file = std::fopen(out.c_str(), "wb");
    std::vector<char> block(1 << 20);
    size_t written = 0, got = 0;
    while ((got = std::fread(block.data(), 1, block.size(), in)) > 0) {
        benchmark::DoNotOptimize(block.data());
        const size_t share = std::min(bytes.size() - written, bytes.size() / 8000 + 1);
        written += std::fwrite(bytes.data() + written, 1, share, file);
    }
    std::fwrite(bytes.data() + written, 1, bytes.size() - written, file);
    std::fclose(in);
    std::fclose(file);
}

void BM_ExportCsv(benchmark::State& state) {
    Exported& e = Shared();
    for (auto _ : state) e.Csv(e.dir + "/out.csv");
    CountRows(state);
}

void BM_CsvFloor(benchmark::State& state) {
    Exported& e = Shared();
    for (auto _ : state) ReadStoreWriteBytes(e.Store(), e.csv, e.dir + "/floor.csv");
    CountRows(state);
}

void BM_ExportXlsx(benchmark::State& state) {
    Exported& e = Shared();
    for (auto _ : state) e.Xlsx(e.dir + "/out.xlsx");
    CountRows(state);
}

void BM_XlsxFloor(benchmark::State& state) {
    Exported& e = Shared();
    for (auto _ : state) ReadStoreWriteBytes(e.Store(), e.xlsx, e.dir + "/floor.xlsx");
    CountRows(state);
}

}  // namespace

BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CsvFloor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportXlsx)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_XlsxFloor)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_MAIN();
