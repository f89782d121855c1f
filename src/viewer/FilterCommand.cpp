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
    FilterOutcome outcome;
    {
        ProgressWindow progress(&window_, QString::fromUtf8("Süzülüyor: ") + text);
        outcome = FilterReport(source, finder, RowStorePath(WorkFilePrefix().prefix), filtered,
                               progress.Callback());
        if (outcome.Ok() && outcome.kept > 0)
            LayOutPages(filtered, window_.Canvas()->Target(), window_.Setup(), window_.Locale(), {},
                        progress.Callback());
    }
    if (outcome.pass.cancelled) {
        window_.ShowStatusMessage(QString::fromUtf8("Süzme durduruldu."));
        return;
    }
    if (!outcome.Ok()) {
        const std::string reason = outcome.error.empty() ? outcome.pass.error : outcome.error;
        window_.ShowStatusMessage(QString::fromStdString(RowStoreUnreadableTitle + " " + reason));
        return;
    }
    if (outcome.kept == 0) {
        window_.ShowStatusMessage(
            QString::fromUtf8("\"%1\" bulunamadı; rapor süzülmedi.").arg(text));
        return;
    }
    StopReaders();
    if (!On()) whole_.emplace(std::move(window_.Pages()));
    kept_ = outcome.kept;
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
    {
        ProgressWindow progress(&window_, QString::fromUtf8("Rapor yeniden sayfalanıyor"));
        LayOutPages(whole, window_.Canvas()->Target(), window_.Setup(), window_.Locale(), {},
                    progress.Callback());
    }
    kept_ = 0;
    ShowInstead(whole);
    Said(QString());
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
