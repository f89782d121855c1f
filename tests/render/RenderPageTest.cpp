#include <gtest/gtest.h>

#include <algorithm>

#include "PageFixture.h"
#include "render/DrawRuler.h"
#include "render/RenderPage.h"

namespace {

// Three columns: a zero-padded code, a name and a flagged amount.
struct ThreeColumnPage : PageFixture {
    ThreeColumnPage() {
        model.HeaderLines[1] = "A";
        model.HeaderLines[3] = "C";
        model.HeaderLines[4] = "D";
        model.HeaderCount = 4;
        Columns(
            {{"Kod", 6, "000000"}, {"Ad", 10, "@"}, {"Tutar", 12, "#,##0.00;(#,##0.00)", true}});
    }
    void Render() {
        target.Clear();
        RenderPage(target, model, view, RulerSurface{});
    }
    // The texts drawn from line y1 to line y2 as "text@x,y ", in drawing order.
    std::string Texts(double y1, double y2) const {
        std::ostringstream out;
        for (const auto& t : target.texts)
            if (t.y >= y1 && t.y <= y2) out << t.text << '@' << t.x << ',' << t.y << ' ';
        return out.str();
    }
};

using Placed = std::vector<std::pair<std::string_view, std::string>>;

void ExpectPlaced(const RecordingTarget& target, const Placed& placed) {
    for (const auto& [text, where] : placed) EXPECT_EQ(Where(target, text), where) << text;
}

const std::string DateLine = "Tarih/Saat:30.11.2026 - 17:45";

TEST(RenderPage, LaysOutAPageAtFullSize) {
    ThreeColumnPage f;
    f.Rows({{"7", "Ali", "-1234,5"}, {"1", "Veli", "1000"}, {"2", "Can", "34,5"}});
    f.Render();
    // Headers are bold; an empty second one takes no space, the fourth is never drawn.
    // Titles stand 30 twips inside their boxes (edges 810, 1530, 2730), rows
    // 50 twips below them. Numbers end 100 twips inside their cell, negative
    // amounts in parentheses. The date line ends at the right margin and is
    // bold after a totals row, the page number is centred. The credit line
    // (6 points measure 138 here) stands 250 twips above the bottom margin.
    const Placed placed = {{"A", "810,810 10 bold"},        {"C", "810,1040 10 bold"},
                           {"Kod", "840,1270 10 bold"},     {"Ad", "1560,1270 10 bold"},
                           {"Tutar", "2760,1270 10 bold"},  {"000007", "810,1550 10"},
                           {DateLine, "7616,810 10 bold"},  {"Sayfa:1/1", "5413,15528 10 bold"},
                           {CreditLine, "810,15640 6 bold"}};
    ExpectPlaced(f.target, placed);
    EXPECT_EQ(f.target.FindText("D"), nullptr);
    EXPECT_EQ(f.target.FindText(CreditLine)->font, "Arial");
    EXPECT_EQ(f.Texts(1550, 2010),
              "000007@810,1550 Ali@1530,1550 (1.234,50)@2870,1550 000001@810,1780 Veli@1530,1780 "
              "1.000,00@3110,1780 000002@810,2010 Can@1530,2010 34,50@3470,2010 ");
    const auto outlines = f.target.Outlines();
    ASSERT_GE(outlines.size(), 3u);
    EXPECT_EQ(Edges(outlines[0]), "808,1268,1480,1502");
    EXPECT_EQ(Edges(outlines[2]), "2728,1268,4120,1502");
    // Each cell is cleared from 100 twips inside the previous one.
    const auto& boxes = f.target.boxes;
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [](const auto& b) {
        return b.filled && Edges(b) == "2630,1560,4170,1780";
    }));
    // Two empty slots follow; the totals rows stand 50 twips lower, 50 twips inside the edge.
    EXPECT_EQ(f.Texts(2240, 15000), "(200,00)@3160,2750 (200,00)@3160,2980 ");
}

TEST(RenderPage, ClearsFirstAndCutsTheMarginsBeforeTheDateLine) {
    ThreeColumnPage f;
    f.Rows({{"1", "Ali", "5"}});
    f.Render();
    const auto& boxes = f.target.boxes;
    ASSERT_GE(boxes.size(), 5u);
    EXPECT_TRUE(boxes[0].filled);
    EXPECT_EQ(Edges(boxes[0]), "1,1,25000,16838");
    // The four strips are the last boxes: left, top, right, bottom.
    std::string strips;
    for (size_t i = boxes.size() - 4; i < boxes.size(); ++i) strips += Edges(boxes[i]) + " ";
    EXPECT_EQ(strips, "1,1,790,16838 1,1,25000,800 24200,1,25000,16838 1,16038,25000,16838 ");
    const auto& log = f.target.log;
    const auto lastFill = std::find(log.rbegin(), log.rend(), "fill");
    EXPECT_LT(lastFill.base() - log.begin(),
              std::find(log.begin(), log.end(), "print " + DateLine) - log.begin());
}

TEST(RenderPage, LaterPagesReadTheirOwnRowsAndAddUpTheTotals) {
    ThreeColumnPage f;
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 12; ++i) rows.push_back({std::to_string(i), "x", std::to_string(i)});
    f.Rows(rows);
    ASSERT_EQ(f.model.PageCount, 3);
    // Page 3 holds two rows and three empty slots; the totals rows keep their height.
    f.model.CurrentPage = 3;
    f.Render();
    // The cumulative row adds up every page so far.
    EXPECT_EQ(f.Texts(1550, 15000),
              "000011@810,1550 x@1530,1550 11,00@3470,1550 000012@810,1780 x@1530,1780 "
              "12,00@3470,1780 23,00@3520,2750 78,00@3520,2980 ");
    EXPECT_NE(f.target.FindText("Sayfa:3/3"), nullptr);
}

TEST(RenderPage, RowSlotsTotalsRowsAndTheBoldDateLine) {
    using Rows = std::vector<std::vector<std::string>>;
    const Rows one = {{"1", "a", "1"}};
    const std::string row1 = "000001@810,1550 a@1530,1550 1,00@3590,1550 ";
    const struct {
        bool pTotals, aTotals;
        int32_t rowsPerPage;
        Rows rows;
        std::string body;  // every text between the titles and the page number
        bool boldDate;     // exactly when a totals row was drawn
    } cases[] = {
        // The totals rows stand below all five slots, 50 twips lower, 50 inside the edge.
        {true, true, 5, one, row1 + "1,00@3640,2750 1,00@3640,2980 ", true},
        // Without page totals the cumulative row leaves one empty row.
        {false, true, 5, one, row1 + "1,00@3640,2930 ", true},
        {true, false, 5, one, row1 + "1,00@3640,2750 ", true},
        {false, false, 5, one, row1, false},
        // Page 1 holds no rows, so its total is zero, right after the titles.
        {true, true, 0, one, "0,00@3640,1600 0,00@3640,1830 ", true},
        {true, true, -3, one, "0,00@3640,1600 0,00@3640,1830 ", true},
        // The totals row follows the field count of the last row read: no amount.
        {true, true, 5, {{"1", "a", "1"}, {"2", "b"}}, row1 + "000002@810,1780 b@1530,1780 ", true},
    };
    for (const auto& c : cases) {
        ThreeColumnPage f;
        f.model.pTotals = c.pTotals;
        f.model.aTotals = c.aTotals;
        f.view.metrics.RowsPerPage = c.rowsPerPage;
        f.Rows(c.rows);
        f.Render();
        EXPECT_EQ(f.Texts(1550, 15000), c.body) << c.pTotals << c.aTotals << c.rowsPerPage;
        EXPECT_EQ(Where(f.target, DateLine),
                  "7616,810 10" + std::string(c.boldDate ? " bold" : ""));
        const auto& texts = f.target.texts;
        const auto page = std::find_if(texts.begin(), texts.end(), [](const auto& t) {
            return t.text.starts_with("Sayfa:1/");
        });
        ASSERT_NE(page, texts.end());
        EXPECT_EQ(page->bold, c.boldDate);
        EXPECT_NE(f.target.FindText("Tutar"), nullptr);  // titles use the count of the totals pass
    }
}

TEST(RenderPage, ZoomScalesFontsAndRoundsEveryColumnEdge) {
    PageFixture f;
    f.view.ZoomFactor = 0.75f;
    f.view.metrics.CharWidth = 121;
    f.model.HeaderLines[1] = "Rapor";
    f.Columns({{"K", 3, ""}, {"Ad", 14, ""}, {"Şehir", 10, ""}, {"Son", 4, ""}});
    f.Rows({{"1", "a", "b", "c"}});
    RenderPage(f.target, f.model, f.view, RulerSurface{});
    // x(1) = R(607.5) = 608; widths 272.25, 1270.5, 907.5: each edge rounded
    // anew; y = R(608 + 172.5), half to even. The date text is measured at
    // 100 % and its position zoomed; the credit line stands R((16838 - 187.5 - 948) x 0.75).
    const Placed placed = {{"Rapor", "608,608 7.5 bold"},     {"K", "638,780 7.5 bold"},
                           {"Ad", "910,780 7.5 bold"},        {"Şehir", "2180,780 7.5 bold"},
                           {"Son", "3088,780 7.5 bold"},      {DateLine, "5712,608 7.5 bold"},
                           {CreditLine, "608,11777 4.5 bold"}};
    ExpectPlaced(f.target, placed);
}

TEST(RenderPage, ColumnsPastTheLineAreDrawnButDoNotFit) {
    PageFixture f;
    f.view.metrics.CharsPerLine = 10;
    f.view.ColumnFits[4] = true;  // beyond this page's columns: left alone
    f.Columns({{"A", 5, ""}, {"B", 5, ""}, {"C", 5, ""}});
    f.Rows({{"1", "2", "3"}});
    RenderPage(f.target, f.model, f.view, RulerSurface{});
    // Starting positions 1, 7 and 13 against a line of 10 characters.
    EXPECT_EQ((std::vector<bool>(&f.view.ColumnFits[1], &f.view.ColumnFits[5])),
              (std::vector<bool>{true, true, false, true}));
    EXPECT_NE(f.target.FindText("C"), nullptr);
    EXPECT_NE(f.target.FindText("3"), nullptr);
}

TEST(RenderPage, NothingIsReadBeyondTheTotalledColumns) {
    PageFixture f;
    std::vector<PageFixture::Column> columns(35, {"x", 1, "#,##0"});
    columns[29].total = true;  // column 30
    columns[33].total = true;  // column 34: never totalled
    f.Columns(columns);
    f.Rows({std::vector<std::string>(35, "7")});
    RenderPage(f.target, f.model, f.view, RulerSurface{});
    int totals = 0;
    for (const auto& t : f.target.texts) totals += t.y == 1090 + 5 * 230 + 50;  // no header lines
    EXPECT_EQ(totals, 1);
}

TEST(RenderPage, RedrawsTheRulerWithoutHighlight) {
    ThreeColumnPage f;
    f.Rows({{"1", "a", "1"}});
    RecordingTarget ruler(25000, 200);
    RenderPage(f.target, f.model, f.view, RulerSurface{&ruler, {1, 2, 3}});
    ASSERT_EQ(ruler.pictures.size(), 3u);
    for (const auto& p : ruler.pictures) EXPECT_EQ(p.picture, &NormalMarker());
    EXPECT_EQ(ruler.boxes[0].colour, (Rgb{1, 2, 3}));
}

}  // namespace
