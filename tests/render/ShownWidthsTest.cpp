#include <gtest/gtest.h>

#include "RecordingTarget.h"
#include "TestSupport.h"
#include "core/SettingsStore.h"
#include "render/ReportPages.h"

using namespace Tabulon;

// Each column is drawn one character wider than the widest text its rows show,
// whatever the loader measured from the texts as written; the totals still
// count, and what is not a number shows as written.
TEST(ShownWidths, EveryShownNumberFitsItsColumn) {
    const struct {
        const char* format;
        const char* widths;  // the type-3 record's field, for the length of a Z pattern
        std::vector<std::string> fields;
        int16_t measured, drawn;
    } cases[] = {
        {"Z", "8", {"42", "7"}, 2, 9},            // 00000042
        {"Z", "3", {"123456", "-5"}, 6, 7},       // a code longer than its zeros
        {"Z", "", {"105", "999"}, 3, 4},          // no widths line: codes as written
        {"N", "", {"1234567", "-12"}, 7, 10},     // 1.234.567
        {"2", "", {"1234,5", "99,999"}, 6, 9},    // 1.234,50 and 100,00
        {"2", "", {"999,995", "12"}, 7, 9},       // rounds up to 1.000,00
        {"C", "", {"-1234567,5", "12"}, 14, 15},  // (1.234.567,50)
        {"N", "", {"abc", "1e3"}, 3, 6},          // 1.000, "abc" as written
        {"T", "", {"1234567", "9"}, 7, 7},        // text shows as written
        {"N", "", {"-0,4", "0"}, 4, 4},           // rounds to 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.fields[0]);
        std::string text =
            "1RAPOR\r\n2K\t\r\n3" + std::string(c.widths) + "\t\r\n5" + c.format + "\t\r\n";
        for (const auto& field : c.fields) text += "9" + field + "\t\r\n";
        TempDir dir;
        WriteBytes(dir.File("r.txt"), text);
        ReportPages pages;
        RecordingTarget target;
        LoadOptions options;
        options.locale = NumberLocale::Turkish();
        const PageSetup setup = DefaultPageSetup(1);
        ASSERT_TRUE(
            OpenReportPages(pages, dir.File("r.txt"), dir.File("B.DAT"), options, target, setup)
                .Ok());
        EXPECT_EQ(pages.layout.ColumnWidths[1], c.measured);
        EXPECT_EQ(pages.Widths(setup, options.locale)[1], c.drawn);
    }
}
