#include "viewer/SelectionCommand.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <algorithm>

#include "platform/Messages.h"
#include "platform/ProgressWindow.h"
#include "render/CopySelection.h"
#include "render/DisplayPattern.h"
#include "viewer/ReportWindow.h"
#include "viewer/SumWorker.h"

namespace Tabulon {

namespace {

// More rows than this are added up in the background.
constexpr int64_t RowsSummedAtOnce = 20000;

}  // namespace

SelectionCommand::SelectionCommand(ReportWindow& window) : window_(window) {}

SelectionCommand::~SelectionCommand() = default;

void SelectionCommand::Press(const PagePlace& place, bool extend) {
    if (place.Title()) {
        SelectColumn(place.column);
        return;
    }
    const MarkedField field{place.row, place.column};
    if (!extend || selection_.Empty()) selection_.anchor = field;
    selection_.focus = field;
    selection_.wholeRows = false;
    dragging_ = true;
    Changed();
}

void SelectionCommand::DragTo(const PagePlace& place) {
    if (!dragging_ || place.Title()) return;
    if (selection_.focus.row == place.row && selection_.focus.column == place.column) return;
    selection_.focus = {place.row, place.column};
    Changed();
}

void SelectionCommand::SelectColumn(std::optional<int> column) {
    const int64_t rows = window_.Pages().rows.RecordCount();
    const int chosen = column.value_or(selection_.focus.column);
    if (rows == 0 || chosen < 1) return;
    selection_ = {{1, chosen}, {rows, chosen}, true};
    Changed();
}

void SelectionCommand::SelectAll() {
    const ReportPages& pages = window_.Pages();
    const int columns = std::min(pages.fieldCount, ReportLayout::DescribedColumns);
    if (pages.rows.RecordCount() == 0 || columns < 1) return;
    selection_ = {{1, 1}, {pages.rows.RecordCount(), columns}, true};
    Changed();
}

void SelectionCommand::Clear() {
    if (selection_.Empty()) return;
    selection_ = {};
    Changed();
}

void SelectionCommand::Extend(int64_t rows, int columns) {
    if (selection_.Empty()) return;
    const ReportPages& pages = window_.Pages();
    const int lastColumn = std::clamp(pages.fieldCount, 1, ReportLayout::DescribedColumns);
    selection_.focus.row = std::clamp<int64_t>(selection_.focus.row + rows, 1,
                                               std::max<int64_t>(pages.rows.RecordCount(), 1));
    selection_.focus.column = std::clamp(selection_.focus.column + columns, 1, lastColumn);
    selection_.wholeRows = false;
    // The page follows the focus, as a click on another page would show it.
    const int32_t rowsPerPage = std::max(pages.metrics.RowsPerPage, 1);
    window_.SetCurrentPage(static_cast<int32_t>((selection_.focus.row - 1) / rowsPerPage + 1));
    Changed();
}

void SelectionCommand::Copy() {
    if (selection_.Empty()) return;
    const ReportPages& pages = window_.Pages();
    CopiedFields copied;
    {
        ProgressWindow progress(window_.Widget(), QString::fromUtf8("Kopyalanıyor..."));
        copied = CopySelection(pages.rows, pages.layout, window_.Locale(), selection_,
                               progress.Callback());
    }
    if (copied.pass.cancelled) return;
    if (!copied.pass.ok) {
        window_.ShowStatusMessage(
            QString::fromStdString(RowStoreUnreadableTitle + " " + copied.pass.error));
        return;
    }
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(copied.text));
    data->setHtml(QString::fromStdString(copied.html));
    QApplication::clipboard()->setMimeData(data);
}

void SelectionCommand::Forget() {
    worker_.reset();
    selection_ = {};
    dragging_ = false;
    ShowNote({});
}

void SelectionCommand::Changed() {
    window_.RenderOnCanvas();
    ShowSum();
}

void SelectionCommand::ShowSum() {
    worker_.reset();
    const ReportPages& pages = window_.Pages();
    auto show = [this](const SelectionSum& sum) {
        worker_.reset();
        if (sum.count == 0 || !sum.pass.ok) {
            ShowNote({});
            return;
        }
        // A sum beyond the totals' range shows their overflow mark.
        const auto shown = [&](Currency value) {
            return QString::fromStdString(FormatCurrency(value, sum.pattern, window_.Locale()));
        };
        ShowNote(QString::fromUtf8("Sayı: %1  Toplam: %2  Ortalama: %3")
                     .arg(sum.count)
                     .arg(shown(sum.sum), shown(sum.Mean())));
    };
    if (selection_.Empty()) {
        ShowNote({});
        return;
    }
    if (selection_.LastRow() - selection_.FirstRow() < RowsSummedAtOnce) {
        show(SumSelection(pages.rows, pages.layout, window_.Locale(), selection_));
        return;
    }
    ShowNote(QString::fromUtf8("Toplam hesaplanıyor..."));
    worker_ =
        std::make_unique<SumWorker>(pages.rows, pages.layout, window_.Locale(), selection_, show);
}

// Only a note of this command's own is replaced or cleared: a note such as
// where an export went stays until the selection has something to say.
void SelectionCommand::ShowNote(const QString& note) {
    if (note.isEmpty() && note_.isEmpty()) return;
    window_.ShowStatusMessage(note);
    note_ = note;
}

void SelectionCommand::StopSum() {
    worker_.reset();
}

}  // namespace Tabulon
