// Loads the fuzzed report and writes it in every format the "Farklı Kaydet"
// menu offers, over the files the previous input left, as the user saving
// again would. Every export must succeed into the writable folder and leave
// no part file; the three text formats must agree (the comma text is the tab
// text with commas for TABs, CSV the same rows with the fields' commas as
// points), hold a line per row, and every format must see the same last row.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "export/ExportDelimited.h"
#include "export/ExportWorkbook.h"
#include "input/LoadReport.h"

using namespace Tabulon;

namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Replaced(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

// The names in the folder: the report and the exports, nothing else.
void CheckNoStrayFiles() {
    static const std::set<std::string> expected = {"report.txt", "out.csv", "out.txt", "out.tsv",
                                                   "out.xlsx"};
    for (const auto& entry : std::filesystem::directory_iterator(FuzzFolder::Path()))
        if (expected.count(entry.path().filename().string()) == 0) std::abort();
}

void Delimited(const LoadResult& loaded, DelimitedFormat format, const std::string& name) {
    const ExportResult result = ExportDelimited(loaded.rows, loaded.layout, loaded.fieldCount,
                                                format, FuzzFolder::File(name));
    if (!result.ok() || result.lastFieldCount != loaded.lastRowFieldCount) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const NumberLocale locale =
        input.ConsumeBool() ? NumberLocale::Turkish() : NumberLocale::English();
    const std::vector<uint8_t> report = input.ConsumeRemainingBytes<uint8_t>();

    LoadOptions options;
    options.locale = locale;
    const LoadResult loaded = LoadReport(WriteFuzzFile("report.txt", report.data(), report.size()),
                                         FuzzFolder::File("BUFFILE.DAT"), options);
    if (!loaded.Ok()) std::abort();

    Delimited(loaded, DelimitedFormat::Csv, "out.csv");
    Delimited(loaded, DelimitedFormat::CommaText, "out.txt");
    Delimited(loaded, DelimitedFormat::TabText, "out.tsv");
    const std::string csv = ReadWhole(FuzzFolder::File("out.csv"));
    const std::string txt = ReadWhole(FuzzFolder::File("out.txt"));
    const std::string tsv = ReadWhole(FuzzFolder::File("out.tsv"));

    // No field holds a CR or a TAB: they end lines and fields.
    const auto lines = std::count(tsv.begin(), tsv.end(), '\r');
    if (lines != loaded.rows.RecordCount() + 1) std::abort();
    const size_t titleEnd = tsv.find("\r\n");
    if (titleEnd == std::string::npos) std::abort();
    const auto titleFields =
        std::count(tsv.begin(), tsv.begin() + static_cast<long>(titleEnd), '\t');
    if (titleFields != std::clamp(loaded.fieldCount, 0, ReportLayout::MaxFields)) std::abort();
    if (txt != Replaced(tsv, '\t', ',')) std::abort();
    if (csv != Replaced(Replaced(tsv.substr(titleEnd + 2), ',', '.'), '\t', ',')) std::abort();

    const ExportResult workbook =
        ExportWorkbook(loaded.rows, loaded.layout, loaded.fieldCount, loaded.layout.ColumnWidths,
                       locale, FuzzFolder::File("out.xlsx"));
    if (!workbook.ok() || workbook.lastFieldCount != loaded.lastRowFieldCount) std::abort();
    if (ReadWhole(FuzzFolder::File("out.xlsx")).compare(0, 4, "PK\x03\x04") != 0) std::abort();
    CheckNoStrayFiles();
    return 0;
}
