#include "viewer/FilterCommand.h"

#include "core/WorkFilePrefix.h"
#include "platform/Messages.h"
#include "platform/ProgressWindow.h"
#include "render/FilterReport.h"
#include "viewer/FindCommand.h"
#include "viewer/FrmTabul.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/SelectionCommand.h"
#include "viewer/ViewerStatusBar.h"

namespace Tabulon {

FilterCommand::FilterCommand(FrmTabul& window) : QObject(&window), window_(window) {}

void FilterCommand::Apply() {
    FindCommand& find = window_.Finder();
    const QString text = find.Text();
    if (text.isEmpty()) {
        find.OpenBar();
        window_.ShowStatusMessage(QString::fromUtf8("Süzmek için önce aranacak metni yazın."));
        return;
    }
    // A new filter narrows the whole report, not the rows the last one kept.
    const ReportPages& source = On() ? *whole_ : window_.Pages();
    const FieldFinder finder(source.layout, window_.Locale(), text.toStdString(), find.Rules());
    ReportPages filtered;
    Outcome<int64_t> kept;
    Outcome<> laidOut;
    {
        ProgressWindow progress(&window_, QString::fromUtf8("Süzülüyor: ") + text);
        kept = FilterReport(source, finder, RowStorePath(WorkFilePrefix().prefix), filtered,
                            progress.Callback());
        if (kept.Ok() && kept.Value() > 0)
            laidOut = LayOutPages(filtered, window_.Canvas()->Target(), window_.Setup(),
                                  window_.Locale(), {}, progress.Callback());
    }
    const Outcome<> ended = kept.Ok() ? laidOut : Outcome<>(kept.Why());
    if (ended.Stopped()) {
        window_.ShowStatusMessage(QString::fromUtf8("Süzme durduruldu."));
        return;
    }
    if (!ended.Ok()) {
        window_.ShowStatusMessage(QString::fromStdString(RowStoreFailureLine(ended.Why())));
        return;
    }
    if (kept.Value() == 0) {
        window_.ShowStatusMessage(
            QString::fromUtf8("\"%1\" bulunamadı; rapor süzülmedi.").arg(text));
        return;
    }
    StopReaders();
    if (!On()) whole_.emplace(std::move(window_.Pages()));
    kept_ = kept.Value();
    ShowInstead(filtered);
    Said(QString::fromUtf8("Süzgeç: \"%1\", %2 satır").arg(text).arg(kept_));
}

void FilterCommand::Remove() {
    if (!On()) return;
    StopReaders();
    ReportPages whole = std::move(*whole_);
    whole_.reset();
    // Columns widened while the filter was on stay so, and the page setup
    // may have changed meanwhile.
    whole.layout.ColumnWidths = window_.Pages().layout.ColumnWidths;
    Outcome<> laidOut;
    {
        ProgressWindow progress(&window_, QString::fromUtf8("Rapor yeniden sayfalanıyor"));
        laidOut = LayOutPages(whole, window_.Canvas()->Target(), window_.Setup(), window_.Locale(),
                              {}, progress.Callback());
    }
    kept_ = 0;
    ShowInstead(whole);
    Said(QString());
    // Pages counted only in part are still the whole report's rows; the note
    // says why its totals may be out of date.
    if (!laidOut.Ok() && !laidOut.Stopped())
        window_.ShowStatusMessage(QString::fromStdString(RowStoreFailureLine(laidOut.Why())));
}

void FilterCommand::Forget() {
    whole_.reset();
    kept_ = 0;
    Said(QString());
}

// The sum and the count in the background read the rows shown: they stop
// before those rows move. The selection and the hits were of those rows.
void FilterCommand::StopReaders() {
    window_.Selection().Forget();
    window_.Finder().Forget();
}

void FilterCommand::ShowInstead(ReportPages& pages) {
    window_.Pages() = std::move(pages);
    window_.ShowFromStart();
}

void FilterCommand::Said(const QString& filterText) {
    window_.Status().ShowFilter(filterText);
    window_.Menu().RemoveFilter->setEnabled(On());
}

}  // namespace Tabulon
