// Narrowing a million rows to those that match, beside finding every hit of
// the same text over the same rows in the same run: the filter reads the
// rows as find does and writes the kept ones to a working file of their own.
#include "BenchSupport.h"
#include "LoadedStore.h"
#include "render/FilterReport.h"

using namespace Tabulon;

namespace {

constexpr long Rows = 1000000;

struct Loaded : bench::LoadedStore {
    ReportPages pages;

    Loaded() : LoadedStore(Rows, "filter.dat") {
        pages.layout = loaded.layout;
        pages.rows = std::move(loaded.rows);
        pages.fieldCount = loaded.fieldCount;
    }
    static Loaded& Shared() {
        static Loaded loaded;
        return loaded;
    }
    FieldFinder Finder() const { return FieldFinder(pages.layout, NumberLocale::Turkish(), "12"); }
};

void BM_FindEveryHit(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    const FieldFinder finder = l.Finder();
    int64_t hits = 0;
    for (auto _ : state) {
        std::string error;
        hits = 0;
        FindEveryField(
            l.pages.rows, finder, [&](const MarkedField&) { return ++hits > 0; }, error);
    }
    state.counters["hits"] = static_cast<double>(hits);
    bench::CountRows(state, Rows);
}

void BM_FilterRows(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    const FieldFinder finder = l.Finder();
    int64_t kept = 0;
    for (auto _ : state) {
        ReportPages filtered;
        kept = FilterReport(l.pages, finder, l.reports.File("kept.dat"), filtered).kept;
    }
    state.counters["kept"] = static_cast<double>(kept);
    bench::CountRows(state, Rows);
}

}  // namespace

BENCHMARK(BM_FindEveryHit)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_FilterRows)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK_MAIN();
