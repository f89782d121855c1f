// Copying and adding up selected fields of a million rows, each beside a floor
// measured in the same run:
// - every field of every row copied as text and as an HTML table, as Ctrl+A
//   and Ctrl+C do, beside reading the row store and writing the same text
//   and HTML to a file, both in 1 MiB blocks;
// - the sum of a whole amount column beside reading the row store plainly.
#include "BenchSupport.h"
#include "LoadedStore.h"
#include "render/CopySelection.h"
#include "render/SelectionSum.h"

using namespace Tabulon;

namespace {

using bench::Reports;
constexpr long Rows = 1000000;

// The report loaded once, and the text of every field copied.
struct Loaded : bench::LoadedStore {
    CellSelection all{{1, 1}, {Rows, 5}, true};
    std::string text;
    std::string html;

    Loaded() : LoadedStore(Rows, "selection.dat") {
        CopiedFields copied =
            CopySelection(loaded.rows, loaded.layout, NumberLocale::Turkish(), all);
        text = std::move(copied.text);
        html = std::move(copied.html);
    }
    static Loaded& Shared() {
        static Loaded loaded;
        return loaded;
    }
};

void BM_CopyEveryField(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    for (auto _ : state) {
        const CopiedFields copied =
            CopySelection(l.loaded.rows, l.loaded.layout, NumberLocale::Turkish(), l.all);
        benchmark::DoNotOptimize(copied.html.data());
    }
    state.counters["MB"] = static_cast<double>(l.text.size() + l.html.size()) / 1e6;
    bench::CountRows(state, Rows);
}

// Floor: the rows read and the copied text and HTML written, with large blocks.
void BM_CopyFloor(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    std::vector<char> block(bench::Block);
    for (auto _ : state) {
        const int in = open(l.loaded.rows.Path().c_str(), O_RDONLY | O_CLOEXEC);
        while (read(in, block.data(), block.size()) > 0) {
        }
        close(in);
        std::FILE* out = std::fopen(l.reports.File("copy.txt").c_str(), "wb");
        for (const std::string* form : {&l.text, &l.html})
            for (size_t at = 0; at < form->size(); at += bench::Block)
                std::fwrite(form->data() + at, 1, std::min(bench::Block, form->size() - at), out);
        std::fclose(out);
    }
    bench::CountRows(state, Rows);
}

void BM_SumAmountColumn(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    const CellSelection column{{1, 5}, {Rows, 5}, true};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            SumSelection(l.loaded.rows, l.loaded.layout, NumberLocale::Turkish(), column).sum);
    bench::CountRows(state, Rows);
}

// Floor: the row store read in 1 MiB blocks.
void BM_SumFloor(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    std::vector<char> block(bench::Block);
    for (auto _ : state) {
        const int in = open(l.loaded.rows.Path().c_str(), O_RDONLY | O_CLOEXEC);
        while (read(in, block.data(), block.size()) > 0) {
        }
        close(in);
    }
    bench::CountRows(state, Rows);
}

}  // namespace

BENCHMARK(BM_CopyEveryField)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_CopyFloor)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_SumAmountColumn)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_SumFloor)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK_MAIN();
