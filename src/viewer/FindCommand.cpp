#include "viewer/FindCommand.h"

#include <QLineEdit>

#include "platform/Messages.h"
#include "platform/ProgressWindow.h"
#include "render/FindFields.h"
#include "viewer/FindDialog.h"
#include "viewer/ReportWindow.h"

FindCommand::FindCommand(ReportWindow& window)
    : QObject(window.Widget()), window_(window), dialog_(new FindDialog(window.Widget())) {
    connect(dialog_, &FindDialog::FindRequested, this, &FindCommand::Find);
}

void FindCommand::OpenDialog() {
    dialog_->TextBox()->setText(text_);
    dialog_->TextBox()->selectAll();
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    dialog_->TextBox()->setFocus();
}

void FindCommand::Next(bool forward) {
    if (text_.isEmpty()) {
        OpenDialog();
        return;
    }
    Find(text_, forward);
}

void FindCommand::Find(const QString& text, bool forward) {
    if (text != text_) hit_.reset();
    text_ = text;
    if (text_.isEmpty()) return;
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
    const FieldFinder finder(pages.layout, window_.Locale(), text_.toStdString());
    FindOutcome found;
    {
        ProgressWindow progress(window_.Widget(), QString::fromUtf8("Aranıyor: ") + text_);
        found = FindField(pages.rows, finder, from, forward, progress.Callback());
    }
    if (!found.ok) {
        window_.ShowStatusMessage(
            QString::fromStdString(RowStoreUnreadableTitle + " " + found.error));
        return;
    }
    if (found.cancelled) {
        window_.ShowStatusMessage(QString::fromUtf8("Arama durduruldu."));
        return;
    }
    if (!found.hit) {
        hit_.reset();
        window_.ShowStatusMessage(QString::fromUtf8("\"%1\" bulunamadı.").arg(text_));
        return;
    }
    hit_ = found.hit;
    window_.ShowFoundField(*hit_);
    if (found.wrapped)
        window_.ShowStatusMessage(
            forward ? QString::fromUtf8("Raporun sonuna gelindi; aramaya baştan devam edildi.")
                    : QString::fromUtf8("Raporun başına gelindi; aramaya sondan devam edildi."));
}
