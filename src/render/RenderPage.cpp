#include "render/RenderPage.h"

#include <algorithm>

#include "core/Rounding.h"
#include "input/ForEachRow.h"
#include "input/SplitFields.h"
#include "render/DisplayPattern.h"

namespace Tabulon {

namespace {

int R(double v) {
    return RoundHalfEven(v);
}

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
class PageLayout {
  public:
    PageLayout(DrawingTarget& target, const PageInputs& in, int32_t page, float zoom,
               int fieldCount, const FieldShading* shading)
        : t_(target),
          in_(in),
          m_(in.metrics),
          page_(page),
          zoom_(zoom),
          shading_(shading),
          h_(in.metrics.RowHeight),
          x1_(in.metrics.LeftMargin) {
        result_.fieldCount = fieldCount;
    }

    PageDrawing Draw() {
        t_.SetScale(zoom_);
        t_.SetFont(in_.setup.FontName);
        t_.SetFontSize(in_.setup.FontSize);
        ComputeColumnFits();
        t_.Box(1, 1, t_.Width(), t_.Height(), White, true);
        Headers();
        Titles();
        Rows();
        if (in_.setup.pTotals) PageTotalsRow();
        if (in_.setup.aTotals) CumulativeTotalsRow();
        MarginStrips();
        DateLine();
        if (in_.setup.pNumbers) PageNumberLine();
        Credit();
        return result_;
    }

  private:
    double CellWidth(int c) const {
        return static_cast<double>(
            ClampToInt32(static_cast<int64_t>(in_.widths[c]) * static_cast<int64_t>(m_.CharWidth)));
    }

    // A column fits when it starts before the line's last character; each
    // column counts one separating character.
    void ComputeColumnFits() {
        int64_t position = 1;
        for (int c = 1; c <= DrawnColumns(result_.fieldCount); ++c) {
            result_.ColumnFits[c] = position < m_.CharsPerLine;
            position += in_.widths[c] + 1;
        }
    }

    void Headers() {
        t_.SetFontBold(true);
        x_ = x1_;
        y_ = m_.TopMargin;
        for (int i = 1; i <= 3; ++i) {
            if (in_.layout.HeaderLines[i].empty()) continue;
            Place(t_, x_, y_, in_.layout.HeaderLines[i]);
            y_ += h_;
        }
    }

    // Titles are not cut: a title longer than its cell runs on over the next.
    void Titles() {
        t_.SetFontBold(true);
        x_ = x1_;
        for (int c = 1; c <= DrawnColumns(result_.fieldCount); ++c) {
            const double w = CellWidth(c);
            Place(t_, x_ + 30, y_, in_.layout.ColumnTitles[c]);
            CellBox(w);
            x_ = R(w + x_);
        }
        y_ = y_ + h_ + 50;
        t_.SetFontBold(false);
        x_ = x1_;
    }

    // Every page keeps all its row slots, filled or not, so the totals rows
    // stand at the same height on every page.
    void Rows() {
        const int64_t rowsPerPage = std::max<int64_t>(m_.RowsPerPage, 0);
        const int64_t before = (static_cast<int64_t>(page_) - 1) * rowsPerPage;
        const int64_t filled =
            before < 0 ? 0 : std::clamp<int64_t>(in_.rows.RecordCount() - before, 0, rowsPerPage);
        const int64_t top = y_;
        const RowPass pass = ForEachRow(in_.rows, before + 1, before + filled,
                                        [&](int64_t row, std::string_view text) {
                                            x_ = x1_;
                                            y_ = top + (row - before - 1) * h_;
                                            DataRow(text, row);
                                            return true;
                                        });
        if (!pass.ok) {
            result_.rowsRead = false;
            result_.error = pass.error;
        }
        x_ = x1_;
        y_ = top + rowsPerPage * h_;
    }

    void DataRow(std::string_view record, int64_t row) {
        const RowFields fields = SplitFields(record);
        result_.fieldCount = fields.count;
        for (int c = 1; c <= DrawnColumns(fields.count); ++c) {
            const double w = CellWidth(c);
            // The white box starts 100 twips inside the previous cell, cutting
            // its text short of this column.
            t_.Box(x_ - 100, y_ + 10, x_ + w, y_ + h_, White, true);
            if (const auto shade = shading_ ? (*shading_)(row, c) : std::nullopt)
                t_.Box(x_ - 30, y_ + 10, x_ + w - 100, y_ + h_, *shade, true);
            const std::string& pattern = in_.layout.ColumnFormats[c];
            const std::string text = FormatField(fields[c], pattern, in_.locale);
            t_.MoveTo(x_, y_);
            if (IsRightAlignedPattern(pattern)) {
                const int tw = R(t_.TextWidth(text));
                t_.MoveTo(x_ + R(w - tw) - 100, y_);
            }
            t_.Print(text);
            x_ = R(w + x_);
        }
    }

    void PageTotalsRow() {
        y_ = y_ + 50;
        t_.SetFontBold(true);
        x_ = x1_;
        for (int c = 1; c <= DrawnColumns(result_.fieldCount); ++c) {
            const double w = CellWidth(c);
            if (in_.layout.Totalled(c))
                TotalText(in_.totals.table.Get(page_, c), c, w);
            else
                t_.MoveTo(x_, y_);
            CellBox(w);
            x_ = R(w + x_);
        }
    }

    void CumulativeTotalsRow() {
        t_.SetFontBold(true);
        x_ = x1_;
        y_ = y_ + h_;
        for (int c = 1; c <= DrawnColumns(result_.fieldCount); ++c) {
            const double w = CellWidth(c);
            if (in_.layout.Totalled(c)) {
                Currency sum;
                for (int64_t p = 1; p <= page_; ++p)
                    sum = AddCurrency(sum, in_.totals.table.Get(p, c));
                TotalText(sum, c, w);
            }
            CellBox(w);
            x_ = R(w + x_);
        }
    }

    // Anything that ran into the margins is cut off by white strips. The top
    // one ends two pixels' worth above the first header line: ending 10 twips
    // above it, it fell on the line's first pixel row at 75 % and took the dots
    // and breves off its capitals.
    void MarginStrips() {
        const double w = t_.Width(), hgt = t_.Height();
        t_.Box(1, 1, m_.LeftMargin - 20, hgt, White, true);
        t_.Box(1, 1, w, m_.TopMargin - 30, White, true);
        t_.Box(w - m_.RightMargin + 10, 1, w, hgt, White, true);
        t_.Box(1, hgt - m_.BottomMargin + 10, w, hgt, White, true);
    }

    // The date line ends at the page's right margin. Its boldness is what the
    // rows above left.
    void DateLine() {
        const std::string text = "Tarih/Saat:" + FormatDateTime(in_.now, in_.locale);
        t_.SetFont(in_.setup.FontName);
        t_.SetFontSize(in_.setup.FontSize);
        const double x = R(in_.setup.PageSizeX - (m_.RightMargin + t_.TextWidth(text)));
        Place(t_, x, m_.TopMargin, text);
    }

    // The page number's and the credit line's heights keep their own rule:
    // the distance above the bottom margin is zoomed once more, so on screen
    // they sit a little lower at smaller zooms than a plain scaling would.
    double FootY(double gap, double textHeight) const {
        const double zoom = zoom_;
        return R(((in_.setup.PageSizeY - gap * zoom) - (m_.BottomMargin + textHeight)) * zoom) /
               zoom;
    }

    void PageNumberLine() {
        // A report still being read does not know its page count yet.
        const std::string count =
            in_.totals.complete ? FormatNumber(DecimalOf(in_.totals.pageCount), "###", in_.locale)
                                : "...";
        const std::string text =
            "Sayfa:" + FormatNumber(DecimalOf(page_), "###", in_.locale) + "/" + count;
        t_.SetFont(in_.setup.FontName);
        t_.SetFontSize(in_.setup.FontSize);
        const double x = R((in_.setup.PageSizeX - t_.TextWidth(text)) / 2);
        Place(t_, x, FootY(270, t_.TextHeight(text)), text);
    }

    void Credit() {
        t_.SetFont("Arial");
        t_.SetFontBold(true);
        t_.SetFontSize(6);
        Place(t_, m_.LeftMargin, FootY(250, t_.TextHeight(CreditLine)), CreditLine);
    }

    void CellBox(double w) { t_.Box(x_ - 2, y_ - 2, x_ + w - 50, y_ + h_ + 2, Black, false); }

    void TotalText(Currency value, int c, double w) {
        const std::string text = FormatCurrency(value, in_.layout.ColumnFormats[c], in_.locale);
        const int tw = R(t_.TextWidth(text));
        Place(t_, x_ + R(w - tw - 50), y_, text);
    }

    DrawingTarget& t_;
    const PageInputs& in_;
    const PageMetrics& m_;
    int32_t page_;
    float zoom_;
    const FieldShading* shading_;
    PageDrawing result_;
    int64_t h_;
    int64_t x1_;
    int64_t x_ = 0;
    int64_t y_ = 0;
};

}  // namespace

int64_t RowTop(const ReportLayout& layout, const PageMetrics& metrics, int64_t slot) {
    int64_t headers = 0;
    for (int i = 1; i <= 3; ++i) headers += !layout.HeaderLines[i].empty();
    return metrics.TopMargin + (headers + 1 + slot) * metrics.RowHeight + 50;
}

PageDrawing RenderPage(DrawingTarget& target, const PageInputs& in, int32_t page, float zoom,
                       int fieldCount, const FieldShading* shading) {
    return PageLayout(target, in, page, zoom > 0 ? zoom : 1.0f, fieldCount, shading).Draw();
}

}  // namespace Tabulon
