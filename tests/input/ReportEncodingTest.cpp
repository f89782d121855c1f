#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"
#include "input/LoadReport.h"

using namespace Tabulon;

namespace {

// Everything a load gives that the pages show, as one comparable text.
std::string Described(const std::string& path) {
    TempDir dir;
    LoadOptions options;
    options.locale = NumberLocale::Turkish();
    options.rowsPerPage = [](int16_t) { return 4; };
    LoadResult r = LoadReport(path, dir.File("BUFFILE.DAT"), options);
    std::ostringstream out;
    out << int(r.failure) << r.changedWhileRead << " headers " << r.layout.HeaderCount << '\n';
    for (const auto& line : r.layout.HeaderLines) out << line << '\n';
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c)
        out << r.layout.ColumnTitles[c] << '|' << r.layout.ColumnWidths[c] << '|'
            << r.layout.ColumnFormats[c] << '|' << +r.layout.ColumnKinds[c] << '|'
            << r.layout.ColumnTotalFlags[c] << '\n';
    out << "fields " << r.fieldCount << " rows " << r.rows.RecordCount() << '\n';
    RecordBlock block;
    std::string error;
    if (r.rows.RecordCount() > 0) r.rows.Read(1, r.rows.RecordCount(), block, error);
    for (const auto& text : block.texts) out << text << '\n';
    if (r.totals)
        for (int32_t page = 1; page <= r.totals->pageCount; ++page)
            for (int c = 1; c <= PageTotalsTable::Columns; ++c)
                out << r.totals->table.Get(page, c).scaled << ' ';
    return out.str();
}

}  // namespace

// A byte-order mark is no part of the first header line, and a report
// written as UTF-16 reads as the same report in the Turkish code page.
TEST(ReportEncoding, TwinsReadAsTheSample) {
    const std::string sample = Described(TABULON_TEST_DATA "/sample.txt");
    ASSERT_NE(sample.find("VORNAK TİCARET A.Ş.\n"), std::string::npos);
    ASSERT_NE(sample.find(" rows 130\n"), std::string::npos) << sample;
    for (const char* twin : {"sample-utf8-bom.txt", "sample-utf16le.txt", "sample-utf16be.txt"})
        EXPECT_EQ(Described(std::string(TABULON_TEST_DATA "/") + twin), sample) << twin;
}
