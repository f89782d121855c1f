#include <gtest/gtest.h>

#include <tuple>

#include "TestSupport.h"
#include "input/LoadReport.h"

using namespace Tabulon;

// A byte-order mark is no part of the first header line, and a report
// written as UTF-16 reads as the same report in the Turkish code page: the
// same description, measured widths and rows.
TEST(ReportEncoding, TwinsReadAsTheSample) {
    TempDir dir;
    const auto load = [&dir](const std::string& name) {
        LoadResult r = LoadReport(TABULON_TEST_DATA "/" + name, dir.File(name + ".dat"));
        RecordBlock block;
        EXPECT_TRUE(r.Ok() && !r.changedWhileRead && r.rows.Read(1, 1000, block).Ok()) << name;
        const ReportLayout& m = r.layout;
        return std::tuple(m.HeaderCount, m.HeaderLines, m.ColumnTitles, m.ColumnWidths,
                          m.ColumnFormats, m.ColumnKinds, m.ColumnTotalFlags, r.fieldCount,
                          std::vector<std::string>(block.texts.begin(), block.texts.end()));
    };
    const auto sample = load("sample.txt");
    ASSERT_EQ(std::get<8>(sample).size(), 130u);
    for (const char* twin : {"sample-utf8-bom.txt", "sample-utf16le.txt", "sample-utf16be.txt"})
        EXPECT_TRUE(load(twin) == sample) << twin;
}
