// Printing without a window beside writing the same pages as a PDF, measured
// in the same run: `tabulon-export print` of a generated report's pages to a
// raw queue of a private spooler (the job taken, its document kept) and
// `tabulon-export pdf` of the same pages. The print command draws the same
// PDF and hands it over, so the two should stay within a fifth of each other.
#include "../tests/print/PrivateCupsd.h"
#include "BenchSupport.h"

using namespace Tabulon;

namespace {

using bench::Reports;
constexpr long Rows = 20000;

// The spooler, started once for the whole run; null when it cannot start.
PrivateCupsd* Spooler() {
    static PrivateCupsd* cupsd = [] {
        auto* started = new PrivateCupsd;
        if (!started->Start() || !started->AddQueue("Bench")) {
            delete started;
            return static_cast<PrivateCupsd*>(nullptr);
        }
        return started;
    }();
    return cupsd;
}

void BM_PrintProgram(benchmark::State& state) {
    Reports& reports = Reports::Shared();
    const std::string& report = reports.Report(Rows);
    if (!Spooler()) {
        state.SkipWithError("no private spooler (cupsd missing or not starting)");
        return;
    }
    bench::TimeChildren(state, [&] {
        return bench::RunChild({TABULON_EXPORT_PROGRAM, "print", report, "--printer", "Bench"});
    });
}

void BM_PdfProgram(benchmark::State& state) {
    Reports& reports = Reports::Shared();
    const std::string& report = reports.Report(Rows);
    bench::TimeChildren(state, [&] {
        return bench::RunChild(
            {TABULON_EXPORT_PROGRAM, "pdf", report, reports.File("print-floor.pdf")});
    });
}

}  // namespace

BENCHMARK(BM_PrintProgram)->UseManualTime()->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_PdfProgram)->UseManualTime()->Apply([](auto* b) { bench::Repeated(b); });

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The spooler stops, and its folder goes, before the program ends.
    delete Spooler();
    return 0;
}
