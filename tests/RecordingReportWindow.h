#pragma once
#include <QString>
#include <QWidget>
#include <deque>
#include <string>
#include <vector>

#include "FixedPrinterCatalog.h"
#include "MemorySettingsBackend.h"
#include "core/SettingsStore.h"
#include "viewer/ReportWindow.h"

// The main window as the other windows' commands see it. It records what they
// ask of it, each drawing step with the page shown then ("RenderOnCanvas@2",
// "SetBusy(true)"), draws printed pages as their number, and answers the
// file-save dialog from a list the test fills.
class RecordingReportWindow : public ReportWindow {
  public:
    struct Question {
        QString title, filter, proposedName;
    };

    QWidget widget;
    PageSetup setup = DefaultPageSetup(1);
    ReportPages pages;
    NumberLocale locale = NumberLocale::Turkish();
    int32_t currentPage = 1;
    float zoom = 1.0f;
    bool overflows = false;
    FixedPrinterCatalog printers;
    MemorySettingsBackend settings;
    std::vector<std::string> calls;
    bool busy = false;
    std::deque<QString> answers;  // none left: the user cancels
    std::vector<Question> questions;
    std::vector<QString> statusNotes;

    QWidget* Widget() override { return &widget; }
    PrinterCatalog& Printers() override { return printers; }
    const PageSetup& Setup() const override { return setup; }
    int32_t PageCount() const override { return pages.totals.pageCount; }
    bool ColumnsOverflow() const override { return overflows; }
    SettingsBackend& Settings() override { return settings; }
    ReportPages& Pages() override { return pages; }
    PageSetup& EditableSetup() override { return setup; }
    const NumberLocale& Locale() const override { return locale; }

    void SetZoom100() override {
        zoom = 1.0f;
        Record("SetZoom100");
    }
    void PrintPage(DrawingTarget& target, int32_t page) override {
        target.Print(std::to_string(page));
    }
    int32_t CurrentPage() const override { return currentPage; }
    void SetCurrentPage(int32_t page) override { currentPage = page; }
    void ShowFoundField(const MarkedField& field) override {
        Record("ShowFoundField(" + std::to_string(field.row) + "," + std::to_string(field.column) +
               ")");
    }
    void ShowStatusMessage(const QString& text) override { statusNotes.push_back(text); }
    void UpdatePageGeometry() override { Record("UpdatePageGeometry"); }
    void MeasureOnCanvas() override { Record("MeasureOnCanvas"); }
    void RenderOnCanvas() override { Record("RenderOnCanvas"); }
    void SetBusy(bool on) override {
        busy = on;
        calls.push_back(on ? "SetBusy(true)" : "SetBusy(false)");
    }

    QString AskSaveFileName(const QString& title, const QString& filter,
                            const QString& proposedName) override {
        questions.push_back({title, filter, proposedName});
        if (answers.empty()) return {};
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

  private:
    void Record(const std::string& call) {
        calls.push_back(call + "@" + std::to_string(currentPage));
    }
};
