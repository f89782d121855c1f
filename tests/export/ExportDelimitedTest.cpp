#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "ExportFixture.h"
#include "export/ExportDelimited.h"
#include "export/StdioFileOutput.h"
#include "input/RowStore.h"

namespace {

struct FormatCase {
    DelimitedFormat format;
    std::string expected;
};

TEST(ExportDelimited, WritesEachFormatByteForByte) {
    const FormatCase cases[] = {
        {DelimitedFormat::Csv, "a,b.c,,\r\n1.234.56,  x,,\r\n"},
        {DelimitedFormat::CommaText, "A,B,C,\r\na,b,c,,\r\n1.234,56,  x,,\r\n"},
        {DelimitedFormat::TabText, "A\tB\tC\t\r\na\tb,c\t\t\r\n1.234,56\t  x\t\t\r\n"},
    };
    for (const auto& c : cases) {
        LoadedReport report({"2A\tB\tC\t", "9a\tb,c\t\t", "91.234,56\t  x   \t\t"});
        const std::string out = report.Out("out.txt");
        const ExportResult result = ExportDelimited(report.model, report.rowStore, c.format, out);
        ASSERT_TRUE(result.ok) << result.Message();
        EXPECT_EQ(ReadBytes(out), c.expected) << static_cast<int>(c.format);
        EXPECT_EQ(report.OutFiles(), std::set<std::string>{"out.txt"});
    }
}

TEST(ExportDelimited, EmptyReportGivesEmptyCsvAndTitleOnlyText) {
    const FormatCase cases[] = {
        {DelimitedFormat::Csv, ""},
        {DelimitedFormat::CommaText, "Kod,Ad,\r\n"},
        {DelimitedFormat::TabText, "Kod\tAd\t\r\n"},
    };
    for (const auto& c : cases) {
        LoadedReport report({"1Başlık", "2Kod\tAd\t"});
        const std::string out = report.Out("out.txt");
        ASSERT_TRUE(ExportDelimited(report.model, report.rowStore, c.format, out).ok);
        EXPECT_EQ(ReadBytes(out), c.expected);
    }
}

TEST(ExportDelimited, TitlesFollowTheFieldCountOfTheLastSplitLine) {
    // The page on screen ended with a row of two fields: two titles, while
    // every row keeps its own number of fields and a row without any gives
    // an empty line.
    LoadedReport report({"2Kod\tŞehir\tTutar\t", "91\tİzmir\t5,5\t", "92\tx\t", "9no tab"});
    report.model.FieldCount = 2;
    const std::string out = report.Out("out.txt");
    ASSERT_TRUE(ExportDelimited(report.model, report.rowStore, DelimitedFormat::TabText, out).ok);
    EXPECT_EQ(ReadBytes(out), "Kod\tŞehir\t\r\n1\tİzmir\t5,5\t\r\n2\tx\t\r\n\r\n");
    // The model holds the last row afterwards, as after any reading of rows.
    EXPECT_EQ(report.model.FieldCount, 0);
}

TEST(ExportDelimited, ReplacesAnExistingFile) {
    LoadedReport report({"2A\t", "9x\t"});
    const std::string out = report.Out("out.csv");
    WriteBytes(out, "an older, longer file\r\n");
    ASSERT_TRUE(ExportDelimited(report.model, report.rowStore, DelimitedFormat::Csv, out).ok);
    EXPECT_EQ(ReadBytes(out), "x,\r\n");
}

// Accepts a given number of bytes, then fails as a full disk does.
class FullDiskOutput : public FileOutput {
  public:
    explicit FullDiskOutput(size_t room) : room_(room) {}
    bool Open(const std::string& path) override { return real_.Open(path); }
    bool Write(std::string_view bytes) override {
        if (bytes.size() > room_) {
            real_.Write(bytes.substr(0, room_));
            room_ = 0;
            return false;
        }
        room_ -= bytes.size();
        return real_.Write(bytes);
    }
    bool Close() override { return real_.Close(); }
    std::string Error() const override { return std::strerror(ENOSPC); }

  private:
    StdioFileOutput real_;
    size_t room_;
};

TEST(ExportDelimited, WriteErrorKeepsTheOlderFileAndLeavesNoPartialFile) {
    // Enough rows that the failure comes after some blocks went out.
    std::initializer_list<std::string> lines = {"2A\tB\t"};
    LoadedReport report(lines);
    {
        RowStore store;
        ASSERT_TRUE(store.Create(report.rowStore));
        for (int i = 0; i < 20000; ++i) store.Append("satır " + std::to_string(i) + "\tx\t");
    }
    const std::string out = report.Out("out.csv");
    WriteBytes(out, "older\r\n");
    for (size_t room : {size_t{0}, size_t{100000}}) {
        FullDiskOutput output(room);
        const ExportResult result =
            ExportDelimited(report.model, report.rowStore, DelimitedFormat::Csv, out, output);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.Message(), "Dosya kaydedilemedi:\n" + out + "\n" + std::strerror(ENOSPC));
        EXPECT_EQ(ReadBytes(out), "older\r\n");
        EXPECT_EQ(report.OutFiles(), std::set<std::string>{"out.csv"});
    }
}

}  // namespace
