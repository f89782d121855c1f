#pragma once
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <string>
#include <vector>

#include "MemorySettingsBackend.h"
#include "TestSupport.h"
#include "input/LoadReport.h"
#include "viewer/ReportWindow.h"

// A main window for the export commands: a loaded report, a save dialog
// answered by the test, and a log of what the command asked of the window.
class ExportFakeWindow : public ReportWindow {
  public:
    struct Printers : PrinterCatalog {
        std::vector<std::string> PrinterNames() const override { return {"PDF"}; }
        std::string DefaultPrinterName() const override { return "PDF"; }
        int16_t DefaultOrientation() const override { return 1; }
    };
    struct Question {
        QString title, filter, proposedName;
    };

    TempDir dir;
    QWidget widget;
    ReportModel model;
    PageView view;
    Printers printers;
    MemorySettingsBackend settings;
    std::deque<QString> answers;  // none left: the user cancels
    std::vector<Question> questions;
    std::vector<std::string> calls;
    bool busy = false;

    explicit ExportFakeWindow(const std::string& reportText) {
        WriteBytes(dir.File("report.txt"), reportText);
        view.rowStorePath = dir.File("BUFFILE.DAT");
        view.locale = NumberLocale::Turkish();
        LoadReport(model, dir.File("report.txt"), view.rowStorePath);
        model.CurrentPage = 2;
    }

    QWidget* Widget() override { return &widget; }
    ReportModel& Model() override { return model; }
    PageView& View() override { return view; }
    PrinterCatalog& Printers() override { return printers; }
    SettingsBackend& Settings() override { return settings; }
    void SetZoom100() override { calls.push_back("SetZoom100"); }
    void UpdatePageGeometry() override { calls.push_back("UpdatePageGeometry"); }
    void MeasureOnCanvas() override { calls.push_back("MeasureOnCanvas"); }
    void RenderOnCanvas() override {
        calls.push_back("RenderOnCanvas " + std::to_string(model.CurrentPage));
    }
    void SetBusy(bool on) override {
        busy = on;
        calls.push_back(on ? "SetBusy on" : "SetBusy off");
    }
    QString AskSaveFileName(const QString& title, const QString& filter,
                            const QString& proposedName) override {
        questions.push_back({title, filter, proposedName});
        if (answers.empty()) return {};
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Closes every message box that opens while it lives and keeps what it said.
class MessageBoxCatcher {
  public:
    struct Shown {
        QString title, text;
        QMessageBox::Icon icon;
    };
    std::vector<Shown> shown;

    MessageBoxCatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                shown.push_back({box->windowTitle(), box->text(), box->icon()});
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start(10);
    }

  private:
    QTimer timer_;
};
