#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "TestSupport.h"
#include "input/LoadReport.h"
#include "input/ReportTranscoder.h"

using namespace Tabulon;

namespace {

// The text fed in blocks of `step` bytes, then its end.
std::string Transcode(const std::string& bytes, size_t step) {
    ReportTranscoder text;
    std::string out;
    for (size_t at = 0; at < bytes.size(); at += step) out += text.Block(bytes.substr(at, step));
    out += text.End();
    return out;
}

// UTF-16 units as little- or big-endian bytes.
std::string Units(std::initializer_list<uint16_t> units, bool little) {
    std::string out;
    for (const uint16_t u : units) {
        const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
        out += little ? std::string{lo, hi} : std::string{hi, lo};
    }
    return out;
}

}  // namespace

// Whatever way the blocks cut a character, it comes out whole; what cannot
// be a character becomes U+FFFD, never a crash or a lost line end.
TEST(ReportTranscoder, DecodesWhereverTheBlocksFall) {
    const std::string Bad = "\xEF\xBF\xBD";
    const struct {
        std::initializer_list<uint16_t> units;
        const char* tail;  // raw bytes after the units
        std::string utf8;
    } cases[] = {
        {{0xFEFF, '1', 0x015E, 0x0130, 0xD83D, 0xDE00, '\r', '\n'}, "", "1Şİ😀\r\n"},
        {{0xFEFF, 'a', 0xDC00, 'b'}, "", "a" + Bad + "b"},                 // a lone low half
        {{0xFEFF, 0xD800, 0xD801, 0xDC01}, "", Bad + "\xF0\x90\x90\x81"},  // a high half alone
        {{0xFEFF, 'a', 0xD800}, "", "a" + Bad},                            // cut at the end
        {{0xFEFF, 'a'}, "x", "a" + Bad},                                   // an odd byte count
        {{0xFEFF}, "", ""},
    };
    for (const bool little : {true, false}) {
        for (const auto& c : cases) {
            const std::string bytes = Units(c.units, little) + c.tail;
            for (const size_t step : {size_t{1}, size_t{2}, size_t{3}, size_t{5}, bytes.size()})
                EXPECT_EQ(Transcode(bytes, step), c.utf8) << little << " step " << step;
        }
    }
}

// A UTF-8 mark past the start (at the start it goes: the twins below),
// code-page and broken bytes and a start too short for a mark pass as they are.
TEST(ReportTranscoder, OtherBytesPassAsTheyAre) {
    const std::string text = "1Ba\xC5\x9Fl\xC4\xB1k\r\n\xDE\xEF\xBB\xBF\xEF\xBB\xFF";
    for (const std::string& bytes :
         {text, std::string("\xEF\xBB"), std::string("\xFF"), std::string()})
        EXPECT_EQ(Transcode(bytes, 1 << 20), bytes);
}

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
