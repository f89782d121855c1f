#include "render/RenderPage.h"

#include <algorithm>

#include "core/Rounding.h"
#include "input/RowStore.h"
#include "input/SplitFields.h"
#include "render/DisplayPattern.h"
#include "render/DrawRuler.h"

namespace {

// Rows are read in blocks of consecutive records, so a page costs one read
// whatever its number, and a page of absurd length cannot claim unbounded
// memory.
constexpr int64_t RowsPerRead = 1024;

int R(double v) {
    return RoundHalfEven(v);
}

// Text goes where a white point was set: the point moves the text position.
void Place(DrawingTarget& target, double x, double y, std::string_view text) {
    target.PSet(x, y, White);
    target.Print(text);
}

// Columns past 50 lie outside the page layout and are not drawn.
int DrawnColumns(const ReportModel& model) {
    return std::clamp<int>(model.FieldCount, 0, ReportModel::DescribedColumns);
}

class PageLayout {
  public:
    PageLayout(DrawingTarget& target, ReportModel& model, PageView& view)
        : t_(target), model_(model), view_(view), m_(view.metrics), zoom_(view.ZoomFactor) {
        h_ = m_.RowHeight * zoom_;
        x1_ = R(zoom_ * m_.LeftMargin);
    }

    double CellWidth(int c) const {
        const int32_t twips = ClampToInt32(static_cast<int64_t>(model_.ColumnWidths[c]) *
                                           static_cast<int64_t>(m_.CharWidth));
        return zoom_ * static_cast<double>(twips);
    }

    void ComputeColumnFits() {
        int64_t position = 1;
        for (int c = 1; c <= DrawnColumns(model_); ++c) {
            view_.ColumnFits[c] = position < m_.CharsPerLine;
            position += model_.ColumnWidths[c] + 1;
        }
    }

    void Headers() {
        t_.SetFontBold(true);
        x_ = x1_;
        y_ = R(zoom_ * m_.TopMargin);
        for (int i = 1; i <= 3; ++i) {
            if (model_.HeaderLines[i].empty()) continue;
            Place(t_, x_, y_, model_.HeaderLines[i]);
            y_ = R(h_ + y_);
        }
    }

    void Titles() {
        t_.SetFontBold(true);
        x_ = x1_;
        for (int c = 1; c <= DrawnColumns(model_); ++c) {
            const double w = CellWidth(c);
            Place(t_, x_ + 30, y_, model_.ColumnTitles[c]);
            CellBox(w);
            x_ = R(w + x_);
        }
        y_ = R(h_ + (y_ + 50));
        t_.SetFontBold(false);
        x_ = x1_;
    }

    bool Rows() {
        const int64_t rowsPerPage = m_.RowsPerPage;
        int64_t n = (static_cast<int64_t>(model_.CurrentPage) - 1) * rowsPerPage;
        RowStore store;
        bool ok = store.Open(view_.rowStorePath);
        std::vector<std::string> block;
        int64_t blockFirst = 0;
        for (int64_t slot = 0; slot < rowsPerPage; ++slot) {
            ++n;
            if (n >= 1 && n <= store.RecordCount()) {
                if (block.empty() || n >= blockFirst + static_cast<int64_t>(block.size())) {
                    blockFirst = n;
                    const int64_t wanted = std::min(RowsPerRead, rowsPerPage - slot);
                    if (!store.ReadRecords(n, wanted, block)) {
                        ok = false;
                        block.clear();
                    }
                }
                if (!block.empty()) DataRow(block[static_cast<size_t>(n - blockFirst)]);
            }
            x_ = x1_;
            y_ = R(h_ + y_);
        }
        store.Close();
        return ok;
    }

    void PageTotalsRow() {
        y_ = y_ + 50;
        t_.SetFontBold(true);
        x_ = x1_;
        for (int c = 1; c <= DrawnColumns(model_); ++c) {
            const double w = CellWidth(c);
            if (model_.ColumnTotalFlags[c] && c <= ReportModel::TotalledColumns) {
                TotalText(FormatCurrency(model_.PageTotals.Get(model_.CurrentPage, c),
                                         model_.ColumnFormats[c], view_.locale),
                          w);
            } else {
                t_.PSet(x_, y_, White);
            }
            CellBox(w);
            x_ = R(w + x_);
        }
    }

    void CumulativeTotalsRow() {
        t_.SetFontBold(true);
        x_ = x1_;
        y_ = R(h_ + y_);
        for (int c = 1; c <= DrawnColumns(model_); ++c) {
            const double w = CellWidth(c);
            // Columns past 30 have no page totals to add up.
            if (model_.ColumnTotalFlags[c] && c <= ReportModel::TotalledColumns) {
                Currency sum;
                for (int64_t p = 1; p <= model_.CurrentPage; ++p)
                    sum = AddCurrency(sum, model_.PageTotals.Get(p, c));
                TotalText(FormatCurrency(sum, model_.ColumnFormats[c], view_.locale), w);
            }
            CellBox(w);
            x_ = R(w + x_);
        }
    }

    void MarginStrips() {
        const double w = t_.Width(), hgt = t_.Height();
        t_.Box(1, 1, zoom_ * m_.LeftMargin - 20, hgt, White, true);
        t_.Box(1, 1, w, zoom_ * m_.TopMargin - 10, White, true);
        t_.Box(w - zoom_ * m_.RightMargin + 10, 1, w, hgt, White, true);
        t_.Box(1, hgt - zoom_ * m_.BottomMargin + 10, w, hgt, White, true);
    }

    // The date line ends at the page's right margin: measured at 100 % and
    // placed by the zoomed position. Its boldness is what the rows above left.
    void DateLine() {
        const std::string text = "Tarih/Saat:" + FormatDateTime(view_.now, view_.locale);
        t_.SetFont(model_.FontName);
        t_.SetFontSize(model_.FontSize);
        const double x = R((model_.PageSizeX - (m_.RightMargin + t_.TextWidth(text))) * zoom_);
        const double y = R(zoom_ * m_.TopMargin);
        t_.SetFontSize(model_.FontSize * view_.ZoomFactor);
        Place(t_, x, y, text);
    }

    void PageNumberLine() {
        const std::string text =
            "Sayfa:" + FormatNumber(DecimalOf(model_.CurrentPage), "###", view_.locale) + "/" +
            FormatNumber(DecimalOf(model_.PageCount), "###", view_.locale);
        t_.SetFont(model_.FontName);
        t_.SetFontSize(model_.FontSize);
        const double x = R((model_.PageSizeX - t_.TextWidth(text)) * zoom_ / 2);
        const double y =
            R(((model_.PageSizeY - 270 * zoom_) - (m_.BottomMargin + t_.TextHeight(text))) * zoom_);
        t_.SetFontSize(model_.FontSize * view_.ZoomFactor);
        Place(t_, x, y, text);
    }

    void Credit() {
        t_.SetFont("Arial");
        t_.SetFontBold(true);
        t_.SetFontSize(6);
        const double x = R(zoom_ * m_.LeftMargin);
        const double y =
            R(((model_.PageSizeY - 250 * zoom_) - (m_.BottomMargin + t_.TextHeight(CreditLine))) *
              zoom_);
        t_.SetFontSize(6 * view_.ZoomFactor);
        Place(t_, x, y, CreditLine);
    }

  private:
    static DecimalNumber DecimalOf(int64_t value) {
        DecimalNumber n;
        n.negative = value < 0;
        n.digits = std::to_string(value < 0 ? 0 - static_cast<uint64_t>(value)
                                            : static_cast<uint64_t>(value));
        return n;
    }

    void CellBox(double w) { t_.Box(x_ - 2, y_ - 2, x_ + w - 50, y_ + h_ + 2, Black, false); }

    void TotalText(const std::string& text, double w) {
        const int tw = R(t_.TextWidth(text));
        Place(t_, x_ + R(w - tw - 50), y_, text);
    }

    void DataRow(const std::string& record) {
        SplitFields(model_, record);
        for (int c = 1; c <= DrawnColumns(model_); ++c) {
            const double w = CellWidth(c);
            // The white box starts 100 twips inside the previous cell, cutting
            // its text short of this column.
            t_.Box(x_ - 100, y_ + 10, x_ + w, y_ + h_, White, true);
            const std::string& pattern = model_.ColumnFormats[c];
            const std::string text = FormatField(model_.Fields[c], pattern, view_.locale);
            t_.PSet(x_, y_, White);
            if (IsRightAlignedPattern(pattern)) {
                const int tw = R(t_.TextWidth(text));
                t_.PSet(x_ + R(w - tw) - 100, y_, White);
            }
            t_.Print(text);
            x_ = R(w + x_);
        }
    }

    DrawingTarget& t_;
    ReportModel& model_;
    PageView& view_;
    const PageMetrics& m_;
    double zoom_;
    double h_ = 0;
    int x1_ = 0;
    int x_ = 0;
    int y_ = 0;
};

}  // namespace

bool RenderPage(DrawingTarget& target, ReportModel& model, PageView& view, RulerSurface ruler) {
    PageLayout page(target, model, view);
    target.SetFont(model.FontName);
    target.SetFontSize(model.FontSize * view.ZoomFactor);
    page.ComputeColumnFits();
    target.Box(1, 1, target.Width(), target.Height(), White, true);
    DrawRuler(ruler, model, view, 0);
    page.Headers();
    page.Titles();
    const bool rowsRead = page.Rows();
    if (model.pTotals) page.PageTotalsRow();
    if (model.aTotals) page.CumulativeTotalsRow();
    page.MarginStrips();
    page.DateLine();
    if (model.pNumbers) page.PageNumberLine();
    page.Credit();
    return rowsRead;
}
