#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "PageFixture.h"
#include "render/MeasuringTarget.h"
#include "render/PagePlaces.h"
#include "render/RenderPage.h"

using namespace Tabulon;

using TextOp = RecordingTarget::TextOp;
using BoxOp = RecordingTarget::BoxOp;
const std::string DateLine = "Tarih/Saat:30.11.2026 - 17:45";

// Headers A, -, C, D; a zero-padded code, a name and a flagged amount.
struct ThreeColumnPage : PageFixture {
    ThreeColumnPage() {
        Layout().HeaderLines[1] = "A";
        Layout().HeaderLines[3] = "C";
        Layout().HeaderLines[4] = "D";
        Layout().HeaderCount = 4;
        Columns(
            {{"Kod", 6, "000000"}, {"Ad", 10, "@"}, {"Tutar", 12, "#,##0.00;(#,##0.00)", true}});
    }
    const TextOp& Text(std::string_view text) const {
        static const TextOp none{"<not drawn>", 0, 0, "", 0, false};
        const TextOp* found = target.FindText(text);
        EXPECT_NE(found, nullptr) << text;
        return found ? *found : none;
    }
    double Right(const TextOp& t) const {
        return t.x + CodePointCount(t.text) * target.charWidth * t.size / 10.0;
    }
    // The texts between the titles and the foot as "text ", the bold ones only if asked.
    std::string Body(bool boldOnly = false) const {
        std::string body;
        for (const auto& t : target.texts)
            if (t.y > Text("Kod").y && t.y < 15000 && (t.bold || !boldOnly)) body += t.text + " ";
        return body;
    }
};

static bool Inside(const BoxOp& b, double x, double y) {
    return x >= b.x1 && x <= b.x2 && y >= b.y1 && y <= b.y2;
}

// White strips cut the margins after the body and before the foot.
TEST(RenderPage, LaysTheBodyOutTopDownInItsColumns) {
    ThreeColumnPage f;
    f.Rows({{"7", "Ali", "-1234,5"}, {"1", "Veli", "1000"}, {"2", "Can", "34,5"}});
    f.Render();
    const PageMetrics& m = f.pages.metrics;
    EXPECT_TRUE(f.Text("A").x == m.LeftMargin && f.Text("A").y == m.TopMargin && f.Text("A").bold);
    EXPECT_EQ(f.Text("C").y, f.Text("A").y + m.RowHeight);
    EXPECT_EQ(f.target.FindText("D"), nullptr);  // three headers at most
    std::vector<BoxOp> cells;
    for (const auto& b : f.target.boxes)
        if (!b.filled) cells.push_back(b);
    ASSERT_GE(cells.size(), 3u);
    const char* rows[4][3] = {{"Kod", "Ad", "Tutar"},
                              {"000007", "Ali", "(1.234,50)"},
                              {"000001", "Veli", "1.000,00"},
                              {"000002", "Can", "34,50"}};
    for (int i = 0; i < 3; ++i) {
        const TextOp& title = f.Text(rows[0][i]);
        EXPECT_TRUE(title.bold && Inside(cells[i], title.x, title.y) &&
                    Inside(cells[i], f.Right(title), title.y) &&
                    (i == 0 || cells[i - 1].x2 < cells[i].x1))
            << title.text;
    }
    EXPECT_GT(f.Text(rows[1][0]).y, cells[0].y2);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(f.Text(rows[r][0]).y, f.Text(rows[1][0]).y + (r - 1) * m.RowHeight);
        EXPECT_EQ(f.Text(rows[r][0]).x, cells[0].x1 + 2);
        EXPECT_EQ(f.Text(rows[r][1]).x, cells[1].x1 + 2);
        EXPECT_FALSE(f.Text(rows[r][2]).bold);
        EXPECT_NEAR(f.Right(f.Text(rows[r][2])), cells[2].x2 - 50, 1);
    }
    EXPECT_EQ(f.Right(f.Text(DateLine)), f.setup.PageSizeX - m.RightMargin);
    EXPECT_NEAR(f.Text("Sayfa:1/1").x + f.Right(f.Text("Sayfa:1/1")), f.setup.PageSizeX, 1);
    EXPECT_TRUE(f.Text(CreditLine).font == "Arial" && f.Text(CreditLine).size == 6.0f);
    EXPECT_GT(f.Text(CreditLine).y, f.Text("Sayfa:1/1").y);
    const auto& all = f.target.boxes;
    // The page cleared first.
    EXPECT_EQ(std::tie(all[0].x1, all[0].y1, all[0].x2, all[0].y2),
              std::tuple(1.0, 1.0, 25000.0, 16838.0));
    const size_t before = all.back().textsBefore;
    EXPECT_EQ(f.target.texts.at(before).text, DateLine);
    // Left, top, right and bottom, each by a point in the middle of its margin.
    const double inMargin[4][2] = {{m.LeftMargin / 2.0, 8000},
                                   {5000, m.TopMargin / 2.0},
                                   {f.target.width - m.RightMargin / 2.0, 8000},
                                   {5000, f.target.height - m.BottomMargin / 2.0}};
    for (int i = 0; i < 4; ++i) {
        const BoxOp& strip = all.end()[i - 4];
        EXPECT_TRUE(strip.filled && strip.colour == White &&
                    Inside(strip, inMargin[i][0], inMargin[i][1]));
    }
}

// Totals stand below every row slot, so as low on a short page; with no room
// for rows every row gets a page of its own. An amount no total can hold is
// never left out silently: the cell shows it as written, its page total and
// every cumulative total from that page on show the mark, the pages before it
// their numbers; so does a sum that leaves the range on its own.
TEST(RenderPage, TotalsRowsKeepTheirHeightShowOverflowAndBoldTheDateLine) {
    const std::string huge = "99.999.999.999.999.999,00", big = "900.000.000.000.000,00";
    std::vector<std::string> twelve;
    for (int i = 1; i <= 12; ++i) twelve.push_back(std::to_string(i));
    std::vector<std::string> withHuge(twelve.begin(), twelve.end() - 1);
    withHuge[6] = huge;
    // Page and cumulative totals shown, the page, the rows a page, the amounts
    // of rows 1.., the totals drawn in order.
    const std::tuple<bool, bool, int32_t, int32_t, std::vector<std::string>, std::string> cases[] =
        {{true, true, 3, 5, twelve, "23,00 78,00 "},
         {false, true, 3, 5, twelve, "78,00 "},
         {true, false, 2, 5, twelve, "40,00 "},
         {false, false, 2, 5, twelve, ""},
         {true, true, 1, 0, {"1"}, "0,00 0,00 "},
         {true, true, 1, 5, withHuge, "15,00 15,00 "},
         {true, true, 2, 5, withHuge, "######## ######## "},
         {true, true, 3, 5, withHuge, "11,00 ######## "},
         {true, true, 1, 5, {big, big, "1"}, "######## ######## "},
         {true, true, 1, 5, {big, "-" + big, "1"}, "1,00 1,00 "}};
    for (const auto& [pTotals, aTotals, page, rowsPerPage, amounts, totals] : cases) {
        SCOPED_TRACE(testing::Message() << "page " << page << ": " << totals);
        ThreeColumnPage f;
        f.setup.pTotals = pTotals;
        f.setup.aTotals = aTotals;
        f.pages.metrics.RowsPerPage = rowsPerPage;
        std::vector<std::vector<std::string>> rows;
        for (const std::string& amount : amounts) rows.push_back({"1", "x", amount});
        f.Rows(rows);
        f.Render(page);
        EXPECT_EQ(f.Body(rowsPerPage > 0), totals);
        EXPECT_TRUE(amounts != withHuge || page != 2 || f.target.FindText(huge));
        const int32_t row = f.pages.metrics.RowHeight;
        const double slotsEnd = f.Text("Kod").y + row + 50 + std::max(rowsPerPage, 0) * row;
        const std::string first = totals.substr(0, totals.find(' '));
        const auto total = std::find_if(f.target.texts.begin(), f.target.texts.end(),
                                        [&](const TextOp& t) { return t.bold && t.text == first; });
        EXPECT_TRUE(first.empty() ||
                    (total != f.target.texts.end() && total->y == slotsEnd + (pTotals ? 50 : row)));
        const std::string pages = std::to_string(f.pages.totals.pageCount);
        for (const std::string& foot : {DateLine, "Sayfa:" + std::to_string(page) + "/" + pages})
            EXPECT_EQ(f.Text(foot).bold, pTotals || aTotals) << foot;
    }
}

// The titles follow the field count of the row read before this page; a
// measuring target finds the same without drawing anything. Fields past the
// fiftieth column are not drawn; those of a column starting past the line are.
TEST(RenderPage, TheRowReadLastAndTheFiftiethColumnDecideTheColumnsShown) {
    ThreeColumnPage f;
    f.Rows({{"1", "a", "1"}, {"2", "b"}});
    const PageDrawing drawn = f.Render();
    EXPECT_EQ(f.Body(), "000001 a 1,00 000002 b ");
    EXPECT_NE(f.target.FindText("Tutar"), nullptr);
    EXPECT_EQ(drawn.fieldCount, 2);
    f.target.Clear();
    MeasuringTarget measuring(f.target);
    const PageDrawing measured =
        *RenderPage(measuring, f.pages.Inputs(f.setup, f.locale, {}), 1, 1.0f, f.pages.fieldCount);
    EXPECT_TRUE(measured.fieldCount == 2 && measured.ColumnFits == drawn.ColumnFits);
    EXPECT_TRUE(f.target.texts.empty() && f.target.boxes.empty());
    f.pages.fieldCount = drawn.fieldCount;
    f.Render();
    EXPECT_EQ(f.target.FindText("Tutar"), nullptr);
    f.pages.fieldCount = 7;
    EXPECT_EQ(f.Render(2).fieldCount, 7);  // no rows on page 2: unchanged
    PageFixture wide;
    wide.pages.metrics.CharsPerLine = 10;  // columns 1 to 5 start inside the line
    std::vector<PageFixture::Column> columns(55, {"x", 1, "#,##0"});
    columns[29].total = columns[33].total = true;  // columns 30 and 34
    wide.Columns(columns);
    std::vector<std::string> row(55, "7");
    row[51] = "52nd";
    wide.Rows({row});
    wide.Render();
    EXPECT_EQ(wide.target.FindText("52nd"), nullptr);
    // The row's fifty cells and column 30's two totals.
    EXPECT_EQ(std::count_if(wide.target.texts.begin(), wide.target.texts.end(),
                            [](const TextOp& t) { return t.text == "7"; }),
              50 + 2);
}

// A point on a drawn title or field is its place, on every page; the margin,
// the header lines and the empty slots are none. The fields the screen shades,
// and no others, get a box of their shade behind their text.
TEST(PlaceAt, FindsTheTitleOrFieldWhereThePageDrawsItAndShadesOnlyThoseAsked) {
    ThreeColumnPage f;
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r <= 7; ++r)
        rows.push_back({std::to_string(r), "Ad " + std::to_string(r), "1"});
    f.Rows(rows);
    const FieldShading shading = [](int64_t row, int column) -> std::optional<Rgb> {
        if (row - column == 4) return column == 2 ? FoundShade : SelectedShade;
        return std::nullopt;
    };
    f.Render(2, 1.0f, &shading);
    const auto at = [&](double x, double y) {
        const auto found = PlaceAt(f.pages.Inputs(f.setup, f.locale, {}), 2, 3, x, y);
        return found ? std::to_string(found->row) + "," + std::to_string(found->column) : "none";
    };
    for (const auto& [text, place] : std::vector<std::pair<std::string, std::string>>{
             {"Kod", "0,1"}, {"Tutar", "0,3"}, {"000006", "6,1"}, {"Ad 7", "7,2"}})
        EXPECT_EQ(at(f.Text(text).x + 20, f.Text(text).y + 20), place) << text;
    EXPECT_EQ(at(100, f.Text("Kod").y + 20), "none");
    EXPECT_EQ(at(900, f.pages.metrics.TopMargin + 20), "none");
    EXPECT_EQ(at(f.Text("Ad 7").x, f.Text("Ad 7").y + 2 * f.pages.metrics.RowHeight), "none");
    std::vector<std::string> shaded;
    for (const BoxOp& b : f.target.boxes)
        for (const TextOp& t : f.target.texts)
            if (b.filled && b.colour != White && Inside(b, t.x, t.y + 20) &&
                Inside(b, f.Right(t), t.y + 20))
                shaded.push_back(t.text);
    EXPECT_EQ(shaded, (std::vector<std::string>{"Ad 6", "1,00"}));
}
