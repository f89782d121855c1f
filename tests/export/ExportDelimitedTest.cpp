#include <gtest/gtest.h>

#include "ExportFixture.h"

using namespace Tabulon;

TEST(ExportDelimited, WritesEachFormatByteForByte) {
    const std::vector<std::string> example = {"2A\tB\tC\t", "9a\tb,c\t\t", "91.234,56\t  x   \t\t"};
    const std::vector<std::string> empty = {"1Başlık", "2Kod\tAd\t"};
    // Titles follow the field count given; a row without fields gives an empty line.
    const std::vector<std::string> shortRows = {"2Kod\tŞehir\tTutar\t", "91\tİzmir\t5,5\t",
                                                "92\tx\t", "9no tab"};
    const struct {
        const std::vector<std::string>& lines;
        int16_t fieldCount;
        DelimitedFormat format;
        std::string expected;
    } cases[] = {
        {example, 3, DelimitedFormat::Csv, "a,b.c,,\r\n1.234.56,  x,,\r\n"},
        {example, 3, DelimitedFormat::TabText, "A\tB\tC\t\r\na\tb,c\t\t\r\n1.234,56\t  x\t\t\r\n"},
        {empty, 2, DelimitedFormat::Csv, ""},
        {empty, 2, DelimitedFormat::CommaText, "Kod,Ad,\r\n"},
        {shortRows, 2, DelimitedFormat::TabText,
         "Kod\tŞehir\t\r\n1\tİzmir\t5,5\t\r\n2\tx\t\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        LoadedReport report(c.lines);
        const std::string out = report.Out("out.txt");
        WriteBytes(out, "an older file, longer than any export here\r\n");
        const auto result =
            ExportDelimited(report.rows, report.layout, c.fieldCount, c.format, out);
        ASSERT_TRUE(result.Ok()) << result.Why().reason;
        EXPECT_EQ(ReadBytes(out), c.expected);
        // The last row's field count, which the titles follow next.
        EXPECT_TRUE(&c.lines != &shortRows || result->lastFieldCount == 0);
    }
}
