// The exports of a million rows, each beside a floor measured in the same run:
// - `tabulon-export csv` as a child process (load, page 1, export) beside the
//   plain way of producing the same bytes from the report, grep | cut | tr;
// - the delimited export alone beside reading the row store and writing the
//   same bytes plainly;
// - the workbook export alone beside writing the same cells through the
//   workbook library directly, in its constant-memory mode.
#include <xlsxwriter.h>

#include <cstdlib>

#include "BenchSupport.h"
#include "LoadedStore.h"
#include "export/ExportDelimited.h"
#include "export/ExportWorkbook.h"
#include "input/LoadReport.h"

using namespace Tabulon;

namespace {

using bench::Reports;
constexpr long Rows = 1000000;

std::string ReadWhole(const std::string& path) {
    std::string bytes;
    if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
        std::vector<char> block(bench::Block);
        size_t got = 0;
        while ((got = std::fread(block.data(), 1, block.size(), in)) > 0)
            bytes.append(block.data(), got);
        std::fclose(in);
    }
    return bytes;
}

// The report loaded once, with its row store named for the floors, and the
// bytes of one CSV export of it.
struct Loaded : bench::LoadedStore {
    std::string csv;

    Loaded() : LoadedStore(Rows, "export.dat") {
        ExportDelimited(loaded.rows, loaded.layout, 5, DelimitedFormat::Csv,
                        reports.File("first.csv"));
        csv = ReadWhole(reports.File("first.csv"));
    }
    static Loaded& Shared() {
        static Loaded loaded;
        return loaded;
    }
};

void BM_CsvProgram(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    bench::TimeChildren(state, [&] {
        return bench::RunChild(
            {TABULON_EXPORT_PROGRAM, "csv", l.report, l.reports.File("out.csv")});
    });
    bench::CountRows(state, Rows);
}

// Floor: the data rows without their type, each TAB a comma after a comma
// became a point: the export's bytes for a report without long fields or
// trailing spaces, which the generated one has none of.
void BM_CsvPipelineFloor(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    const std::string out = l.reports.File("floor.csv");
    const std::string pipeline = "grep '^9' '" + l.report + "' | cut -c2- | tr ',\\t' '.,'";
    bench::TimeChildren(state, [&] { return bench::RunChild({"sh", "-c", pipeline}, out); });
    if (ReadWhole(out) != l.csv) state.SkipWithError("the pipeline wrote other bytes");
    bench::CountRows(state, Rows);
}

void BM_ExportCsv(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    for (auto _ : state)
        ExportDelimited(l.loaded.rows, l.loaded.layout, 5, DelimitedFormat::Csv,
                        l.reports.File("out.csv"));
    bench::CountRows(state, Rows);
}

// Floor: the row store read in 1 MiB blocks while the export's bytes are
// written beside it in as many blocks.
void BM_CsvFloor(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    std::vector<char> block(bench::Block);
    for (auto _ : state) {
        const int in = open(l.loaded.rows.Path().c_str(), O_RDONLY | O_CLOEXEC);
        std::FILE* out = std::fopen(l.reports.File("floor.csv").c_str(), "wb");
        const size_t share = l.csv.size() / (Rows * 512 / bench::Block) + 1;
        size_t written = 0;
        while (read(in, block.data(), block.size()) > 0 && written < l.csv.size())
            written += std::fwrite(l.csv.data() + written, 1,
                                   std::min(share, l.csv.size() - written), out);
        std::fwrite(l.csv.data() + written, 1, l.csv.size() - written, out);
        std::fclose(out);
        close(in);
    }
    bench::CountRows(state, Rows);
}

void BM_ExportWorkbook(benchmark::State& state) {
    Loaded& l = Loaded::Shared();
    for (auto _ : state)
        ExportWorkbook(l.loaded.rows, l.loaded.layout, 5, l.loaded.layout.ColumnWidths,
                       NumberLocale::Turkish(), l.reports.File("out.xlsx"));
    bench::CountRows(state, Rows);
}

// Floor: the same cells written with the workbook library directly, in its
// constant-memory mode, from values known without reading anything: the
// titles in bold, then the code, count and amount as numbers and the name and
// city as text, as the generator made them.
void BM_WorkbookFloor(benchmark::State& state) {
    Reports& reports = Reports::Shared();
    static const char* names[] = {"Ayşe Yılmaz", "Mehmet Kaya", "Fatma Demir", "Ali Şahin"};
    static const char* cities[] = {"İstanbul", "Ankara", "İzmir", "Çorum", "Muğla"};
    static const char* titles[] = {"Kod", "Müşteri", "Şehir", "Adet", "Tutar"};
    const std::string path = reports.File("floor.xlsx");
    for (auto _ : state) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = const_cast<char*>(reports.Dir().c_str());
        options.use_zip64 = LXW_TRUE;
        lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
        lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
        lxw_format* bold = workbook_add_format(book);
        format_set_bold(bold);
        for (lxw_col_t c = 0; c < 5; ++c) worksheet_write_string(sheet, 0, c, titles[c], bold);
        for (long i = 1; i <= Rows; ++i) {
            const long count = 1 + (i * 7919) % 1500;
            const long priceCents = 150 + (i * 104729) % 250000;
            const auto row = static_cast<lxw_row_t>(i);
            worksheet_write_number(sheet, row, 0, static_cast<double>(i), nullptr);
            worksheet_write_string(sheet, row, 1, names[i % 4], nullptr);
            worksheet_write_string(sheet, row, 2, cities[i % 5], nullptr);
            worksheet_write_number(sheet, row, 3, static_cast<double>(count), nullptr);
            worksheet_write_number(sheet, row, 4, static_cast<double>(count * priceCents) / 100,
                                   nullptr);
        }
        workbook_close(book);
    }
    bench::CountRows(state, Rows);
}

}  // namespace

BENCHMARK(BM_CsvProgram)->UseManualTime()->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_CsvPipelineFloor)->UseManualTime()->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_ExportCsv)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_CsvFloor)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_ExportWorkbook)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK(BM_WorkbookFloor)->Apply([](auto* b) { bench::Repeated(b); });
BENCHMARK_MAIN();
