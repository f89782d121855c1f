#pragma once
#include <QString>
#include <QWidget>
#include <deque>
#include <string>
#include <vector>

#include "FixedPrinterCatalog.h"
#include "MemorySettingsBackend.h"
#include "viewer/ReportWindow.h"

// The main window as the other windows' commands see it. It records what they
// ask of it, each drawing step with the page shown then ("RenderOnCanvas@2",
// "SetBusy(true)"), and answers the file-save dialog from a list the test fills.
class RecordingReportWindow : public ReportWindow {
  public:
    struct Question {
        QString title, filter, proposedName;
    };

    QWidget widget;
    ReportModel model;
    PageView view;
    FixedPrinterCatalog printers;
    MemorySettingsBackend settings;
    std::vector<std::string> calls;
    bool busy = false;
    std::deque<QString> answers;  // none left: the user cancels
    std::vector<Question> questions;
    std::vector<QString> statusNotes;

    QWidget* Widget() override { return &widget; }
    ReportModel& Model() override { return model; }
    PageView& View() override { return view; }
    PrinterCatalog& Printers() override { return printers; }
    SettingsBackend& Settings() override { return settings; }

    void SetZoom100() override {
        view.ZoomFactor = 1.0f;
        Record("SetZoom100");
    }
    void UpdatePageGeometry() override { Record("UpdatePageGeometry"); }
    void MeasureOnCanvas() override { Record("MeasureOnCanvas"); }
    void RenderOnCanvas() override { Record("RenderOnCanvas"); }
    void SetBusy(bool on) override {
        busy = on;
        calls.push_back(on ? "SetBusy(true)" : "SetBusy(false)");
    }

    void ShowStatusMessage(const QString& text) override { statusNotes.push_back(text); }

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
        calls.push_back(call + "@" + std::to_string(model.CurrentPage));
    }
};
