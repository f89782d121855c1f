#include "viewer/FindCommand.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <algorithm>

#include "platform/Messages.h"
#include "platform/ProgressWindow.h"
#include "viewer/FindBar.h"
#include "viewer/FoundFieldsDock.h"
#include "viewer/FoundFieldsModel.h"
#include "viewer/HitCounter.h"
#include "viewer/ReportWindow.h"

namespace Tabulon {

namespace {
bool SameRules(const FindRules& a, const FindRules& b) {
    return a.column == b.column && a.wholeField == b.wholeField;
}
}  // namespace

FindCommand::FindCommand(ReportWindow& window)
    : QObject(window.Widget()),
      window_(window),
      bar_(new FindBar(window.Widget())),
      found_(new FoundFieldsModel(window, this)),
      dock_(new FoundFieldsDock(*found_, window.Widget())) {
    connect(bar_, &FindBar::FindRequested, this, &FindCommand::Find);
    connect(dock_, &FoundFieldsDock::Chosen, this, &FindCommand::Show);
    // Another text or rule: the count shown is no longer of it.
    connect(bar_, &FindBar::SearchChanged, this, [this] {
        if (bar_->Text() != countedText_ || !SameRules(bar_->Rules(), countedRules_))
            bar_->ClearCount();
        else
            ShowCount();
    });
    // Closed, the bar hands the keys back to the page.
    connect(bar_, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (!visible) window_.Widget()->setFocus();
    });
}

// The counter reads the rows, which go before the window's children do.
FindCommand::~FindCommand() {
    StopCount();
}

void FindCommand::OpenBar() {
    bar_->Open();
}

void FindCommand::Next(bool forward) {
    if (bar_->Text().isEmpty()) {
        OpenBar();
        return;
    }
    Find(forward);
}

void FindCommand::FindText(const QString& text) {
    bar_->TextBox()->setText(text);
    bar_->show();
    Find(true);
}

QString FindCommand::Text() const {
    return bar_->Text();
}

FindRules FindCommand::Rules() const {
    return bar_->Rules();
}

void FindCommand::ReportOpened() {
    bar_->SetColumns(window_.Pages().layout);
}

void FindCommand::Forget() {
    StopCount();
    found_->Clear();
    countedText_.clear();
    hit_.reset();
    bar_->ClearCount();
}

std::optional<Rgb> FindCommand::Shade(int64_t row, int column) const {
    if (hit_ && hit_->row == row && hit_->column == column) return FoundShade;
    if (found_->Holds(row, column)) return OtherFoundShade;
    return std::nullopt;
}

void FindCommand::Find(bool forward) {
    const QString text = bar_->Text();
    const FindRules rules = bar_->Rules();
    if (text.isEmpty() || !window_.WaitForWholeReport()) return;
    if (text != countedText_ || !SameRules(rules, countedRules_)) {
        hit_.reset();
        StartCount();
    }
    const ReportPages& pages = window_.Pages();
    // From the field found last while its page is shown, else from the edge
    // of the page shown.
    MarkedField from{0, 0};
    const int32_t rowsPerPage = std::max(pages.metrics.RowsPerPage, 1);
    const int64_t firstRow = (static_cast<int64_t>(window_.CurrentPage()) - 1) * rowsPerPage + 1;
    if (hit_ && PageOfRow(hit_->row, pages.metrics.RowsPerPage) == window_.CurrentPage())
        from = *hit_;
    else if (forward && firstRow > 1)
        from = {firstRow - 1, ReportLayout::DescribedColumns};
    else if (!forward)
        from = {firstRow + rowsPerPage, 0};
    const FieldFinder finder(pages.layout, window_.Locale(), text.toStdString(), rules);
    Outcome<FoundField> found;
    {
        ProgressWindow progress(window_.Widget(), QString::fromUtf8("Aranıyor: ") + text);
        found = FindField(pages.rows, finder, from, forward, progress.Callback());
    }
    if (found.Stopped()) {
        window_.ShowStatusMessage(QString::fromUtf8("Arama durduruldu."));
        return;
    }
    if (!found.Ok()) {
        window_.ShowStatusMessage(QString::fromStdString(RowStoreFailureLine(found.Why())));
        return;
    }
    if (!found->hit) {
        hit_.reset();
        ShowCount();
        window_.RenderOnCanvas();
        window_.ShowStatusMessage(QString::fromUtf8("\"%1\" bulunamadı.").arg(text));
        return;
    }
    Show(*found->hit);
    if (found->wrapped)
        window_.ShowStatusMessage(
            forward ? QString::fromUtf8("Raporun sonuna gelindi; aramaya baştan devam edildi.")
                    : QString::fromUtf8("Raporun başına gelindi; aramaya sondan devam edildi."));
}

void FindCommand::Show(const MarkedField& hit) {
    hit_ = hit;
    window_.ShowFoundField(hit);
    ShowCount();
    const int64_t place = found_->PlaceOf(hit);
    if (place > 0) {
        const QModelIndex line = found_->index(static_cast<int>(place - 1), 0);
        dock_->View()->setCurrentIndex(line);
        dock_->View()->scrollTo(line);
    }
}

void FindCommand::StartCount() {
    StopCount();
    found_->Clear();
    countedText_ = bar_->Text();
    countedRules_ = bar_->Rules();
    const ReportPages& pages = window_.Pages();
    counter_ = std::make_unique<HitCounter>(
        pages.rows, pages.layout, window_.Locale(), countedText_.toStdString(), countedRules_,
        [this](std::vector<MarkedField> hits) { Gathered(std::move(hits)); },
        [this](const HitCounter::Ending& ending) {
            // The thread has ended; the counter goes with the next search.
            counting_ = false;
            cut_ = ending.cut;
            if (!ending.read.Ok())
                window_.ShowStatusMessage(
                    QString::fromStdString(RowStoreFailureLine(ending.read.Why())));
            ShowCount();
            emit CountDone();
        });
    counting_ = true;
    cut_ = false;
    ShowCount();
}

void FindCommand::StopCount() {
    counter_.reset();
    counting_ = false;
}

// New hits on the page shown are shaded as they arrive.
void FindCommand::Gathered(std::vector<MarkedField> hits) {
    const int32_t rowsPerPage = window_.Pages().metrics.RowsPerPage;
    const bool onPage = std::any_of(hits.begin(), hits.end(), [&](const MarkedField& hit) {
        return PageOfRow(hit.row, rowsPerPage) == window_.CurrentPage();
    });
    found_->Append(std::move(hits));
    ShowCount();
    if (onPage) window_.RenderOnCanvas();
}

void FindCommand::ShowCount() {
    if (countedText_.isEmpty()) {
        bar_->ClearCount();
        return;
    }
    const int64_t count = static_cast<int64_t>(found_->Hits().size());
    bar_->ShowCount(hit_ ? found_->PlaceOf(*hit_) : 0, count,
                    counting_ ? QString::fromUtf8("…")
                    : cut_    ? QStringLiteral("+")
                              : QString());
}

}  // namespace Tabulon
