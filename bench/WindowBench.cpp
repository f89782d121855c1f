// The window on reports of 20k to 10M rows: from creating the main window
// until page 1 has been painted on its canvas (offscreen), beside the load
// floor of the same report measured in the same run. The window's start is
// everything the program does before the user sees page 1: the printers
// listed, the settings read, the report's first page read under the progress
// window, page 1 drawn, the window shown and activated. The rest of the
// report is read in the background: page 1 of a large report should take
// about as long as that of the 20k-row one; beside it, page 1 after the whole
// report is read, as before. The window is closed, ending its load, outside
// the time measured.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <memory>

#include "BenchSupport.h"
#include "platform/QtPrinterCatalog.h"
#include "platform/QtSettingsBackend.h"
#include "viewer/FrmTabul.h"
#include "viewer/PictureBox.h"
#include "viewer/TurkishTranslations.h"

using namespace Tabulon;

namespace {

using bench::Reports;

// Notes the first paint of a widget.
class PaintWatch : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// From creating the window until page 1 is painted; with `whole`, the whole
// report read first, as the window did before it read in the background.
void ShowPage1(benchmark::State& state, bool whole) {
    const std::string& report = Reports::Shared().Report(state.range(0));
    QtPrinterCatalog printers;
    for (auto _ : state) {
        QtSettingsBackend settings;
        auto window = std::make_unique<FrmTabul>(printers, settings, SystemViewerEnvironment());
        PaintWatch watch;
        window->Canvas()->installEventFilter(&watch);
        if (!window->Start(report) || (whole && !window->WaitForWholeReport())) {
            state.SkipWithError("the window did not start");
            break;
        }
        window->show();
        // Painting follows once the earlier events of the show are handled.
        while (!watch.painted) QApplication::processEvents(QEventLoop::AllEvents, 10);
        state.PauseTiming();
        window->close();
        QApplication::processEvents();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_WindowShowsPage1(benchmark::State& state) {
    ShowPage1(state, false);
}

void BM_WindowShowsPage1AfterTheWholeReport(benchmark::State& state) {
    ShowPage1(state, true);
}

void BM_LoadFloor(benchmark::State& state) {
    Reports& reports = Reports::Shared();
    const std::string& report = reports.Report(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(bench::LoadFloor(report, reports.Dir()));
}

}  // namespace

// A small report, as most are, beside large and very large ones (the 10M-row
// report's working file takes 5 GB of the temporary folder).
BENCHMARK(BM_WindowShowsPage1)
    ->Arg(20000)
    ->Arg(1000000)
    ->Arg(4000000)
    ->Arg(10000000)
    ->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_WindowShowsPage1AfterTheWholeReport)
    ->Arg(20000)
    ->Arg(1000000)
    ->Arg(4000000)
    ->Arg(10000000)
    ->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_LoadFloor)->Arg(20000)->Arg(1000000)->Arg(10000000)->Apply([](auto* b) {
    bench::Repeated(b);
});

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Reports::Shared();  // before Qt reads its settings folder
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tabulon"));
    app.setOrganizationName(QStringLiteral("Vornak Software"));
    InstallTurkishTranslations();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
