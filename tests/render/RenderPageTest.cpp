#include <gtest/gtest.h>

#include <algorithm>

#include "PageFixture.h"
#include "render/DrawRuler.h"
#include "render/RenderPage.h"

namespace {

using TextOp = RecordingTarget::TextOp;

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
    std::vector<TextOp> TextsAt(double y) const {
        std::vector<TextOp> out;
        for (const TextOp& t : target.texts)
            if (t.y == y) out.push_back(t);
        return out;
    }
};

void ExpectText(const RecordingTarget& target, const std::string& text, double x, double y) {
    const TextOp* t = target.FindText(text);
    ASSERT_NE(t, nullptr) << text;
    EXPECT_EQ(t->x, x) << text;
    EXPECT_EQ(t->y, y) << text;
}

TEST(RenderPage, LaysOutAPageAtFullSize) {
    ThreeColumnPage f;
    f.Rows({{"7", "Ali", "-1234,5"}, {"1", "Veli", "1000"}, {"2", "Can", "34,5"}});
    f.Render();
    // Headers: an empty second line takes no space, the fourth is never drawn.
    ExpectText(f.target, "A", 810, 810);
    ExpectText(f.target, "C", 810, 1040);
    EXPECT_EQ(f.target.FindText("D"), nullptr);
    // Titles 30 twips inside their boxes; edges at 810, 1530, 2730.
    ExpectText(f.target, "Kod", 840, 1270);
    ExpectText(f.target, "Ad", 1560, 1270);
    ExpectText(f.target, "Tutar", 2760, 1270);
    const auto outlines = f.target.Outlines();
    ASSERT_GE(outlines.size(), 3u);
    EXPECT_EQ(outlines[0].x1, 808);
    EXPECT_EQ(outlines[0].y1, 1268);
    EXPECT_EQ(outlines[0].x2, 1480);
    EXPECT_EQ(outlines[0].y2, 1502);
    EXPECT_EQ(outlines[2].x1, 2728);
    EXPECT_EQ(outlines[2].x2, 4120);
    EXPECT_TRUE(f.target.FindText("Tutar")->bold);
    // Rows start 50 twips below the titles; numbers sit 100 twips inside the
    // cell's right edge, and negative amounts in parentheses.
    ExpectText(f.target, "000007", 810, 1550);
    EXPECT_FALSE(f.target.FindText("000007")->bold);
    ExpectText(f.target, "Ali", 1530, 1550);
    ExpectText(f.target, "(1.234,50)", 2730 + 240 - 100, 1550);
    ExpectText(f.target, "1.000,00", 2730 + 480 - 100, 1780);
    ExpectText(f.target, "Can", 1530, 2010);
    // Each cell is cleared from 100 twips inside the previous one.
    const auto& boxes = f.target.boxes;
    EXPECT_NE(std::find_if(boxes.begin(), boxes.end(),
                           [](const auto& b) {
                               return b.filled && b.x1 == 2630 && b.y1 == 1560 && b.x2 == 4170 &&
                                      b.y2 == 1780;
                           }),
              boxes.end());
    // Two empty slots follow; totals 50 twips lower, 50 twips inside the edge.
    const auto pageTotals = f.TextsAt(2750);
    ASSERT_EQ(pageTotals.size(), 1u);
    EXPECT_EQ(pageTotals[0].text, "(200,00)");
    EXPECT_EQ(pageTotals[0].x, 2730 + (1440 - 960 - 50));
    EXPECT_TRUE(pageTotals[0].bold);
    const auto cumulative = f.TextsAt(2980);
    ASSERT_EQ(cumulative.size(), 1u);
    EXPECT_EQ(cumulative[0].text, "(200,00)");
    // Date line ending at the right margin, page number centred, credit line.
    ExpectText(f.target, "Tarih/Saat:30.11.2026 - 17:45", 11906 - 810 - 29 * 120, 810);
    ExpectText(f.target, "Sayfa:1/1", 5413, 16838 - 270 - 810 - 230);
    const TextOp* credit = f.target.FindText(CreditLine);
    ASSERT_NE(credit, nullptr);
    EXPECT_EQ(credit->x, 810);
    EXPECT_EQ(credit->y, 16838 - 250 - 810 - 138);  // 6 points measure 138 here
    EXPECT_EQ(credit->font, "Arial");
    EXPECT_EQ(credit->size, 6.0f);
    EXPECT_TRUE(credit->bold);
}

TEST(RenderPage, ClearsFirstAndCutsTheMarginsBeforeTheDateLine) {
    ThreeColumnPage f;
    f.Rows({{"1", "Ali", "5"}});
    f.Render();
    const auto& boxes = f.target.boxes;
    ASSERT_FALSE(boxes.empty());
    EXPECT_TRUE(boxes[0].filled);
    EXPECT_EQ(boxes[0].x1, 1);
    EXPECT_EQ(boxes[0].x2, 25000);
    EXPECT_EQ(boxes[0].y2, 16838);
    // The four strips are the last boxes, in the order left, top, right, bottom.
    ASSERT_GE(boxes.size(), 4u);
    const auto* strip = &boxes[boxes.size() - 4];
    EXPECT_EQ(strip[0].x2, 790);
    EXPECT_EQ(strip[1].y2, 800);
    EXPECT_EQ(strip[2].x1, 24200);
    EXPECT_EQ(strip[3].y1, 16038);
    const auto& log = f.target.log;
    const auto lastFill = std::find(log.rbegin(), log.rend(), "fill");
    const auto date = std::find_if(log.begin(), log.end(), [](const std::string& s) {
        return s.rfind("print Tarih/Saat:", 0) == 0;
    });
    EXPECT_LT(lastFill.base() - log.begin(), date - log.begin());
}

TEST(RenderPage, LastPageKeepsEmptySlotsAndTotalsAtTheSameHeight) {
    ThreeColumnPage f;
    f.Rows({{"1", "a", "1"},
            {"2", "b", "2"},
            {"3", "c", "3"},
            {"4", "d", "4"},
            {"5", "e", "5"},
            {"6", "f", "6"},
            {"7", "g", "7"}});
    ASSERT_EQ(f.model.PageCount, 2);
    f.Render();
    const auto page1Totals = f.TextsAt(2750);
    f.model.CurrentPage = 2;
    f.Render();
    ExpectText(f.target, "000006", 810, 1550);
    ExpectText(f.target, "000007", 810, 1780);
    EXPECT_EQ(f.target.FindText("000005"), nullptr);
    const auto page2Totals = f.TextsAt(2750);
    ASSERT_EQ(page1Totals.size(), 1u);
    ASSERT_EQ(page2Totals.size(), 1u);
    EXPECT_EQ(page1Totals[0].text, "15,00");
    EXPECT_EQ(page2Totals[0].text, "13,00");
    // The cumulative row adds up every page so far.
    ASSERT_EQ(f.TextsAt(2980).size(), 1u);
    EXPECT_EQ(f.TextsAt(2980)[0].text, "28,00");
    EXPECT_NE(f.target.FindText("Sayfa:2/2"), nullptr);
}

TEST(RenderPage, TotalsRowsAndTheBoldDateLine) {
    struct Case {
        bool pTotals, aTotals;
        double cumulativeY;  // 0: no cumulative row
        bool boldDate;
    };
    // The last slot stands at 2470; without page totals the cumulative row
    // leaves one empty row.
    const Case cases[] = {
        {true, true, 2980, true},
        {false, true, 2930, true},
        {true, false, 0, true},
        {false, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.pTotals) + std::to_string(c.aTotals));
        ThreeColumnPage f;
        f.model.pTotals = c.pTotals;
        f.model.aTotals = c.aTotals;
        f.Rows({{"1", "a", "1"}});
        f.Render();
        EXPECT_EQ(f.TextsAt(2750).size(), c.pTotals ? 1u : 0u);
        if (c.cumulativeY > 0) {
            EXPECT_EQ(f.TextsAt(c.cumulativeY).size(), 1u);
        }
        EXPECT_EQ(f.target.FindText("Tarih/Saat:30.11.2026 - 17:45")->bold, c.boldDate);
        EXPECT_EQ(f.target.FindText("Sayfa:1/1")->bold, c.boldDate);
    }
}

TEST(RenderPage, NoRowSlotsWhenThePageHoldsNoRows) {
    for (int32_t rows : {0, -3}) {
        ThreeColumnPage f;
        f.view.metrics.RowsPerPage = rows;
        f.Rows({{"1", "a", "1"}, {"2", "b", "2"}});
        f.Render();
        EXPECT_EQ(f.target.FindText("000001"), nullptr);
        EXPECT_NE(f.target.FindText("Kod"), nullptr);
        // Page 1 holds no rows, so its total is zero, right after the titles.
        const auto totals = f.TextsAt(1600);
        ASSERT_EQ(totals.size(), 1u);
        EXPECT_EQ(totals[0].text, "0,00");
    }
}

TEST(RenderPage, ZoomScalesFontsAndRoundsEveryColumnEdge) {
    PageFixture f;
    f.view.ZoomFactor = 0.75f;
    f.view.metrics.CharWidth = 121;
    f.model.HeaderLines[1] = "Rapor";
    f.Columns({{"K", 3, ""}, {"Ad", 14, ""}, {"Şehir", 10, ""}, {"Son", 4, ""}});
    f.Rows({{"1", "a", "b", "c"}});
    f.target.Clear();
    RenderPage(f.target, f.model, f.view, RulerSurface{});
    // x(1) = R(607.5) = 608; widths 272.25, 1270.5, 907.5: each edge rounded anew.
    ExpectText(f.target, "Rapor", 608, 608);
    ExpectText(f.target, "K", 638, 780);  // y = R(608 + 172.5), half to even
    ExpectText(f.target, "Ad", 910, 780);
    ExpectText(f.target, "Şehir", 2180, 780);
    ExpectText(f.target, "Son", 3088, 780);
    EXPECT_EQ(f.target.FindText("K")->size, 7.5f);
    EXPECT_EQ(f.target.FindText("a")->size, 7.5f);
    EXPECT_EQ(f.target.FindText(CreditLine)->size, 4.5f);
    // The date text is measured at 100 % and its position zoomed.
    ExpectText(f.target, "Tarih/Saat:30.11.2026 - 17:45", 5712, 608);
    EXPECT_EQ(f.target.FindText("Tarih/Saat:30.11.2026 - 17:45")->size, 7.5f);
}

TEST(RenderPage, ColumnsPastTheLineAreDrawnButDoNotFit) {
    PageFixture f;
    f.view.metrics.CharsPerLine = 10;
    f.view.ColumnFits[4] = true;  // beyond this page's columns: left alone
    f.Columns({{"A", 5, ""}, {"B", 5, ""}, {"C", 5, ""}});
    f.Rows({{"1", "2", "3"}});
    f.target.Clear();
    RenderPage(f.target, f.model, f.view, RulerSurface{});
    // Starting positions 1, 7 and 13 against a line of 10 characters.
    EXPECT_TRUE(f.view.ColumnFits[1]);
    EXPECT_TRUE(f.view.ColumnFits[2]);
    EXPECT_FALSE(f.view.ColumnFits[3]);
    EXPECT_TRUE(f.view.ColumnFits[4]);
    EXPECT_NE(f.target.FindText("C"), nullptr);
    EXPECT_NE(f.target.FindText("3"), nullptr);
}

TEST(RenderPage, RowsWithFewerFieldsDrawFewerCells) {
    ThreeColumnPage f;
    f.Rows({{"1", "a", "1"}, {"2", "b"}});
    f.Render();
    // Totals follow the field count of the last row read: two cells, no amount.
    EXPECT_EQ(f.TextsAt(2750).size(), 0u);
    EXPECT_EQ(f.model.FieldCount, 2);
    // The title row used the count left by the totals pass (three fields).
    EXPECT_NE(f.target.FindText("Tutar"), nullptr);
}

TEST(RenderPage, NothingIsReadBeyondTheTotalledColumns) {
    PageFixture f;
    std::vector<PageFixture::Column> columns(35, {"x", 1, "#,##0"});
    columns[29].total = true;  // column 30
    columns[33].total = true;  // column 34: never totalled
    f.Columns(columns);
    std::vector<std::string> row(35, "7");
    f.Rows({row});
    f.target.Clear();
    RenderPage(f.target, f.model, f.view, RulerSurface{});
    int totalsTexts = 0;
    for (const auto& t : f.target.texts)
        if (t.y == 1090 + 5 * 230 + 50) ++totalsTexts;  // no header lines here
    EXPECT_EQ(totalsTexts, 1);
}

TEST(RenderPage, PageNumberShowsTheBareNumbers) {
    ThreeColumnPage f;
    f.view.metrics.RowsPerPage = 1;
    f.Rows(std::vector<std::vector<std::string>>(12, {"1", "a", "1"}));
    f.model.CurrentPage = 3;
    f.Render();
    EXPECT_NE(f.target.FindText("Sayfa:3/12"), nullptr);
    ExpectText(f.target, "000001", 810, 1550);
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
