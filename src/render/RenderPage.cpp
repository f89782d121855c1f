#include "render/RenderPage.h"

#include <algorithm>

#include "core/Rounding.h"
#include "input/ForEachRow.h"
#include "input/SplitFields.h"
#include "render/DisplayPattern.h"
#include "render/PagePlaces.h"

namespace Tabulon {

namespace {

// Text is drawn without painting anything first: a white point set to move
// the text position blanked a pixel of whatever lay there, such as the line of
// a totals box under the page number.
void Place(DrawingTarget& target, double x, double y, std::string_view text) {
    target.MoveTo(x, y);
    target.Print(text);
}

// Columns past 50 lie outside the page layout and are not drawn.
int DrawnColumns(int fieldCount) {
    return std::clamp(fieldCount, 0, ReportLayout::DescribedColumns);
}

DecimalNumber DecimalOf(int64_t value) {
    DecimalNumber n;
    n.negative = value < 0;
    n.digits =
        std::to_string(value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
    return n;
}

// One drawing of one page. Every length is in the paper's twips; the target
// applies the zoom.
class PagePainter {
  public:
    PagePainter(DrawingTarget& target, const PageInputs& in, int32_t page, float zoom,
                int fieldCount, const FieldShading* shading)
        : target_(target),
          inputs_(in),
          metrics_(in.metrics),
          page_(page),
          zoom_(zoom),
          shading_(shading),
          rowHeight_(in.metrics.RowHeight),
          left_(in.metrics.LeftMargin) {
        result_.fieldCount = fieldCount;
    }

    Outcome<PageDrawing> Draw() {
        target_.SetScale(zoom_);
        target_.SetFont(inputs_.setup.FontName);
        target_.SetFontSize(inputs_.setup.FontSize);
        result_.ColumnFits = ColumnFitsOf(inputs_.widths, metrics_, result_.fieldCount);
        target_.Box(1, 1, target_.Width(), target_.Height(), White, true);
        Headers();
        Titles();
        Rows();
        if (inputs_.setup.pTotals) PageTotalsRow();
        if (inputs_.setup.aTotals) CumulativeTotalsRow();
        MarginStrips();
        DateLine();
        if (inputs_.setup.pNumbers) PageNumberLine();
        Credit();
        if (rowsUnread_) return {result_, *rowsUnread_};
        return result_;
    }

  private:
    double CellWidth(int c) const {
        return static_cast<double>(ClampToInt32(static_cast<int64_t>(inputs_.widths[c]) *
                                                static_cast<int64_t>(metrics_.CharWidth)));
    }

    void Headers() {
        target_.SetFontBold(true);
        x_ = left_;
        y_ = metrics_.TopMargin;
        for (int i = 1; i <= 3; ++i) {
            if (inputs_.layout.HeaderLines[i].empty()) continue;
            Place(target_, x_, y_, inputs_.layout.HeaderLines[i]);
            y_ += rowHeight_;
        }
    }

    // Titles are not cut: a title longer than its cell runs on over the next.
    void Titles() {
        target_.SetFontBold(true);
        x_ = left_;
        for (int c = 1; c <= DrawnColumns(result_.fieldCount); ++c) {
            const double w = CellWidth(c);
            Place(target_, x_ + 30, y_, inputs_.layout.ColumnTitles[c]);
            CellBox(w);
            x_ = RoundHalfEven(w + x_);
        }
        y_ = y_ + rowHeight_ + 50;
        target_.SetFontBold(false);
        x_ = left_;
    }

    // Every page keeps all its row slots, filled or not, so the totals rows
    // stand at the same height on every page.
    void Rows() {
        const int64_t rowsPerPage = std::max<int64_t>(metrics_.RowsPerPage, 0);
        const int64_t before = (static_cast<int64_t>(page_) - 1) * rowsPerPage;
        const int64_t filled =
            before < 0 ? 0
                       : std::clamp<int64_t>(inputs_.rows.RecordCount() - before, 0, rowsPerPage);
        const int64_t top = y_;
        Outcome<> pass = ForEachRow(inputs_.rows, before + 1, before + filled,
                                    [&](int64_t row, std::string_view text) {
                                        x_ = left_;
                                        y_ = top + (row - before - 1) * rowHeight_;
                                        DataRow(text, row);
                                        return true;
                                    });
        if (!pass.Ok()) rowsUnread_ = pass.Why();
        x_ = left_;
        y_ = top + rowsPerPage * rowHeight_;
    }

    void DataRow(std::string_view record, int64_t row) {
        const RowFields fields = SplitFields(record);
        result_.fieldCount = fields.count;
        for (int c = 1; c <= DrawnColumns(fields.count); ++c) {
            const double w = CellWidth(c);
            // The white box starts 100 twips inside the previous cell, cutting
            // its text short of this column.
            target_.Box(x_ - 100, y_ + 10, x_ + w, y_ + rowHeight_, White, true);
            if (const auto shade = shading_ ? (*shading_)(row, c) : std::nullopt)
                target_.Box(x_ - 30, y_ + 10, x_ + w - 100, y_ + rowHeight_, *shade, true);
            const std::string& pattern = inputs_.layout.ColumnFormats[c];
            const std::string text = FormatField(fields[c], pattern, inputs_.locale);
            target_.MoveTo(x_, y_);
            if (IsRightAlignedPattern(pattern)) {
                const int tw = RoundHalfEven(target_.TextWidth(text));
                target_.MoveTo(x_ + RoundHalfEven(w - tw) - 100, y_);
            }
            target_.Print(text);
            x_ = RoundHalfEven(w + x_);
        }
    }

    void PageTotalsRow() {
        y_ = y_ + 50;
        target_.SetFontBold(true);
        x_ = left_;
        for (int c = 1; c <= DrawnColumns(result_.fieldCount); ++c) {
            const double w = CellWidth(c);
            if (inputs_.layout.Totalled(c))
                TotalText(inputs_.totals.table.Get(page_, c), c, w);
            else
                target_.MoveTo(x_, y_);
            CellBox(w);
            x_ = RoundHalfEven(w + x_);
        }
    }

    void CumulativeTotalsRow() {
        target_.SetFontBold(true);
        x_ = left_;
        y_ = y_ + rowHeight_;
        for (int c = 1; c <= DrawnColumns(result_.fieldCount); ++c) {
            const double w = CellWidth(c);
            if (inputs_.layout.Totalled(c)) {
                Currency sum;
                for (int64_t p = 1; p <= page_; ++p)
                    sum = AddCurrency(sum, inputs_.totals.table.Get(p, c));
                TotalText(sum, c, w);
            }
            CellBox(w);
            x_ = RoundHalfEven(w + x_);
        }
    }

    // Anything that ran into the margins is cut off by white strips. The top
    // one ends two pixels' worth above the first header line: ending 10 twips
    // above it, it fell on the line's first pixel row at 75 % and took the dots
    // and breves off its capitals.
    void MarginStrips() {
        const double w = target_.Width(), hgt = target_.Height();
        target_.Box(1, 1, metrics_.LeftMargin - 20, hgt, White, true);
        target_.Box(1, 1, w, metrics_.TopMargin - 30, White, true);
        target_.Box(w - metrics_.RightMargin + 10, 1, w, hgt, White, true);
        target_.Box(1, hgt - metrics_.BottomMargin + 10, w, hgt, White, true);
    }

    // The date line ends at the page's right margin. Its boldness is what the
    // rows above left.
    void DateLine() {
        const std::string text = "Tarih/Saat:" + FormatDateTime(inputs_.now, inputs_.locale);
        target_.SetFont(inputs_.setup.FontName);
        target_.SetFontSize(inputs_.setup.FontSize);
        const double x = RoundHalfEven(inputs_.setup.PageSizeX -
                                       (metrics_.RightMargin + target_.TextWidth(text)));
        Place(target_, x, metrics_.TopMargin, text);
    }

    // The page number's and the credit line's heights keep their own rule:
    // the distance above the bottom margin is zoomed once more, so on screen
    // they sit a little lower at smaller zooms than a plain scaling would.
    double FootY(double gap, double textHeight) const {
        const double zoom = zoom_;
        return RoundHalfEven(
                   ((inputs_.setup.PageSizeY - gap * zoom) - (metrics_.BottomMargin + textHeight)) *
                   zoom) /
               zoom;
    }

    void PageNumberLine() {
        // A report still being read does not know its page count yet.
        const std::string count =
            inputs_.totals.complete
                ? FormatNumber(DecimalOf(inputs_.totals.pageCount), "###", inputs_.locale)
                : "...";
        const std::string text =
            "Sayfa:" + FormatNumber(DecimalOf(page_), "###", inputs_.locale) + "/" + count;
        target_.SetFont(inputs_.setup.FontName);
        target_.SetFontSize(inputs_.setup.FontSize);
        const double x = RoundHalfEven((inputs_.setup.PageSizeX - target_.TextWidth(text)) / 2);
        Place(target_, x, FootY(270, target_.TextHeight(text)), text);
    }

    void Credit() {
        target_.SetFont("Arial");
        target_.SetFontBold(true);
        target_.SetFontSize(6);
        Place(target_, metrics_.LeftMargin, FootY(250, target_.TextHeight(CreditLine)), CreditLine);
    }

    void CellBox(double w) {
        target_.Box(x_ - 2, y_ - 2, x_ + w - 50, y_ + rowHeight_ + 2, Black, false);
    }

    void TotalText(Currency value, int c, double w) {
        const std::string text =
            FormatCurrency(value, inputs_.layout.ColumnFormats[c], inputs_.locale);
        const int tw = RoundHalfEven(target_.TextWidth(text));
        Place(target_, x_ + RoundHalfEven(w - tw - 50), y_, text);
    }

    DrawingTarget& target_;
    const PageInputs& inputs_;
    const PageMetrics& metrics_;
    int32_t page_;
    float zoom_;
    const FieldShading* shading_;
    PageDrawing result_;
    std::optional<Failure> rowsUnread_;  // the rest of the page is drawn all the same
    int64_t rowHeight_;
    int64_t left_;
    int64_t x_ = 0;
    int64_t y_ = 0;
};

}  // namespace

int64_t RowTop(const ReportLayout& layout, const PageMetrics& metrics, int64_t slot) {
    int64_t headers = 0;
    for (int i = 1; i <= 3; ++i) headers += !layout.HeaderLines[i].empty();
    return metrics.TopMargin + (headers + 1 + slot) * metrics.RowHeight + 50;
}

Outcome<PageDrawing> RenderPage(DrawingTarget& target, const PageInputs& in, int32_t page,
                                float zoom, int fieldCount, const FieldShading* shading) {
    return PagePainter(target, in, page, zoom > 0 ? zoom : 1.0f, fieldCount, shading).Draw();
}

}  // namespace Tabulon
