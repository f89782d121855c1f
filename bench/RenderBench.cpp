// Drawing pages: RenderPage on the page canvas for the first and the last
// pages of a million-row report (the cost must not grow with the page number;
// one page per iteration, so the time column is milliseconds per page),
// and PDF output of a thousand-page report, each beside a floor that only
// reads the same records and draws their raw fields with the same painter.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <memory>

#include "ReportGenerator.h"
#include "core/SettingsStore.h"
#include "input/SplitFields.h"
#include "platform/CanvasTarget.h"
#include "platform/PrinterTarget.h"
#include "render/RenderPage.h"
#include "render/ReportPages.h"

using namespace Tabulon;

namespace {

// A report opened as the window opens it, with the default page setup.
struct OpenReport {
    std::string dir;
    PageSetup setup = DefaultPageSetup(1);
    CanvasTarget canvas;
    ReportPages pages;
    NumberLocale locale = NumberLocale::Turkish();
    ClockReading now{2026, 12, 6, 12, 0};

    OpenReport(const std::string& name, long rows) {
        dir = std::filesystem::temp_directory_path() /
              ("tabulon-bench-" + std::to_string(getpid()) + "-" + name);
        std::filesystem::create_directories(dir);
        const std::string report = dir + "/report.txt";
        WriteLargeReport(report, rows);
        canvas.Resize(25000, setup.PageSizeY);
        LoadOptions options;
        options.locale = locale;
        OpenReportPages(pages, report, dir + "/BUFFILE.DAT", options, canvas, setup);
        std::filesystem::remove(report);
    }
    ~OpenReport() { std::filesystem::remove_all(dir); }
    PageInputs Inputs() const { return pages.Inputs(setup, locale, now); }
    int32_t PageCount() const { return pages.totals.pageCount; }
};

OpenReport& MillionRows() {
    static OpenReport report("million", 1000000);
    return report;
}

OpenReport& ThousandPages() {
    // Rows per page are measured, so ask for just enough rows.
    static std::unique_ptr<OpenReport> report = [] {
        auto probe = std::make_unique<OpenReport>("probe", 1);
        const long rows = 1000L * probe->pages.metrics.RowsPerPage;
        probe.reset();
        return std::make_unique<OpenReport>("thousand", rows);
    }();
    return *report;
}

int32_t PageOf(const OpenReport& report, int which) {
    switch (which) {
        case 0:
            return 1;
        case 1:
            return report.PageCount() - 1;  // the last full page
        default:
            return report.PageCount();
    }
}

void BM_RenderPageOnCanvas(benchmark::State& state) {
    OpenReport& r = MillionRows();
    const int32_t page = PageOf(r, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const PageDrawing drawn = RenderPage(r.canvas, r.Inputs(), page, 1.0f, r.pages.fieldCount);
        benchmark::DoNotOptimize(drawn.fieldCount);
    }
    state.SetLabel("page " + std::to_string(page) + " of " + std::to_string(r.PageCount()));
}
BENCHMARK(BM_RenderPageOnCanvas)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The scale a raw page is drawn at.
struct PixelsPerTwip {
    double value;
};

// Floor: read the page's records and draw every raw field once, no layout.
void DrawRawPage(QPainter& painter, OpenReport& r, int32_t page, PixelsPerTwip scale) {
    const double pixelsPerTwip = scale.value;
    const int64_t rows = r.pages.metrics.RowsPerPage;
    RecordBlock block;
    std::string error;
    r.pages.rows.Read((page - 1) * rows + 1, rows, block, error);
    painter.setFont(QFont("Times New Roman", 10));
    double y = 1500 * pixelsPerTwip;
    for (std::string_view record : block.texts) {
        double x = 810 * pixelsPerTwip;
        ForEachField(record, ReportLayout::MaxFields, [&](int, std::string_view field) {
            painter.drawText(QPointF(x, y),
                             QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size())));
            x += 1500 * pixelsPerTwip;
        });
        y += 225 * pixelsPerTwip;
    }
}

void BM_CanvasFloor(benchmark::State& state) {
    OpenReport& r = MillionRows();
    QImage image(1667, 1123, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        DrawRawPage(painter, r, 1, {1.0 / 15});
    }
}
BENCHMARK(BM_CanvasFloor)->Unit(benchmark::kMillisecond);

std::unique_ptr<QPdfWriter> PdfOn(QBuffer& buffer) {
    auto writer = std::make_unique<QPdfWriter>(&buffer);
    writer->setResolution(1200);
    writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    return writer;
}

void PagesPerSecond(benchmark::State& state, int pages) {
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

// Every page of the thousand-page report into an in-memory PDF, drawn by
// `drawPage(painter, page)`.
template <typename DrawPage>
void PdfOfEveryPage(benchmark::State& state, OpenReport& r, DrawPage drawPage) {
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        auto writer = PdfOn(buffer);
        QPainter painter(writer.get());
        for (int32_t page = 1; page <= r.PageCount(); ++page) {
            if (page > 1) writer->newPage();
            drawPage(painter, page);
        }
        painter.end();
        benchmark::DoNotOptimize(buffer.data().size());
    }
    PagesPerSecond(state, r.PageCount());
}

void BM_PdfOutput(benchmark::State& state) {
    OpenReport& r = ThousandPages();
    std::unique_ptr<PrinterTarget> target;
    PdfOfEveryPage(state, r, [&](QPainter& painter, int32_t page) {
        if (page == 1) target = std::make_unique<PrinterTarget>(painter);
        RenderPage(*target, r.Inputs(), page, 1.0f, r.pages.fieldCount);
    });
}
BENCHMARK(BM_PdfOutput)->Unit(benchmark::kSecond)->Iterations(2);

void BM_PdfFloor(benchmark::State& state) {
    OpenReport& r = ThousandPages();
    PdfOfEveryPage(state, r, [&](QPainter& painter, int32_t page) {
        DrawRawPage(painter, r, page, {1200.0 / 1440});
    });
}
BENCHMARK(BM_PdfFloor)->Unit(benchmark::kSecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a Qt application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
