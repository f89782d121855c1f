#include "viewer/ExportCommands.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "export/ExportDelimited.h"
#include "export/ExportWorkbook.h"
#include "platform/Messages.h"
#include "platform/ProgressWindow.h"
#include "viewer/ReportWindow.h"

namespace Tabulon {

namespace {

QString DialogTitle() {
    return QString::fromUtf8("Farklı Kaydet");
}

std::string LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

// A stopped export was the user's wish: nothing to say about it.
void ShowSaveFailure(QWidget* parent, const Outcome<ExportedRows>& result) {
    if (result.Ok() || result.Stopped()) return;
    QMessageBox::critical(parent, QString::fromUtf8("Vornak Yazılım"),
                          QString::fromStdString(ExportFailureText(result.Why())));
}

// The rows the export read last decide the columns the next page shows.
void KeepFieldCount(ReportWindow& window, const Outcome<ExportedRows>& result) {
    if (result.Ok() && result->lastFieldCount) window.Pages().fieldCount = *result->lastFieldCount;
}

QString SavingLabel(const QString& fileName) {
    return QString::fromUtf8("Kaydediliyor: ") + QFileInfo(fileName).fileName();
}

// Says in the status bar where the file went, once it is there; a cancelled
// dialog saved nothing.
void TellSaved(ReportWindow& window, const Outcome<ExportedRows>& result, const QString& fileName) {
    if (!fileName.isEmpty() && result.Ok()) window.ShowSaved(fileName);
}

void ExportDelimitedFile(ReportWindow& window, DelimitedFormat format, const QString& filter) {
    QString& fileName = window.SaveDialogFileName();
    const QString chosen = window.AskSaveFileName(DialogTitle(), filter, fileName);
    Outcome<ExportedRows> result;
    if (!chosen.isEmpty()) {
        fileName = chosen;
        ProgressWindow progress(window.Widget(), SavingLabel(chosen));
        const ReportPages& pages = window.Pages();
        result = ExportDelimited(pages.rows, pages.layout, pages.fieldCount, format,
                                 LocalPath(chosen), progress.Callback());
        KeepFieldCount(window, result);
    }
    // Every delimited export ends on page 1, a cancelled or failed one too.
    window.SetCurrentPage(1);
    window.UpdatePageGeometry();
    window.RenderOnCanvas();
    TellSaved(window, result, chosen);
    ShowSaveFailure(window.Widget(), result);
}

}  // namespace

void ExportSpreadsheet(ReportWindow& window) {
    QString& fileName = window.SaveDialogFileName();
    fileName.clear();
    const QString chosen = window.AskSaveFileName(
        DialogTitle(), QString::fromUtf8("Excel Çalışma Sayfası (*.xlsx)"), fileName);
    if (chosen.isEmpty()) return;
    fileName = chosen;
    window.SetBusy(true);
    Outcome<ExportedRows> result;
    {
        ProgressWindow progress(window.Widget(), SavingLabel(chosen));
        const ReportPages& pages = window.Pages();
        result = ExportWorkbook(pages.rows, pages.layout, pages.fieldCount,
                                pages.Widths(window.EditableSetup(), window.Locale()),
                                window.Locale(), LocalPath(chosen), progress.Callback());
        KeepFieldCount(window, result);
    }
    // The saved workbook is shown in the desktop's spreadsheet program; without
    // one nothing happens.
    if (result.Ok()) QDesktopServices::openUrl(QUrl::fromLocalFile(chosen));
    window.SetBusy(false);
    TellSaved(window, result, chosen);
    ShowSaveFailure(window.Widget(), result);
}

void ExportCsv(ReportWindow& window) {
    ExportDelimitedFile(window, DelimitedFormat::Csv, QString::fromUtf8("CSV Dosyaları (*.csv)"));
}

void ExportCommaText(ReportWindow& window) {
    ExportDelimitedFile(window, DelimitedFormat::CommaText,
                        QString::fromUtf8("Txt Dosyaları (*.txt)"));
}

void ExportTabText(ReportWindow& window) {
    ExportDelimitedFile(window, DelimitedFormat::TabText,
                        QString::fromUtf8("Txt Dosyaları (*.txt)"));
}

}  // namespace Tabulon
