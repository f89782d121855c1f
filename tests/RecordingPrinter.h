#pragma once
#include <string>
#include <vector>

#include "RecordingTarget.h"
#include "platform/Printer.h"
#include "platform/PrinterSheetTarget.h"

// What a recording printer saw, kept by the test so it outlives the printer:
// "orientation 2", "paper 11906x16838", the texts drawn, "NewPage", "EndDoc",
// "Abort". Faults to act out: fail when opened, or when sheet n would start.
struct PrinterLog {
    std::string name, pdfFile;
    std::vector<std::string> events;
    bool failOnOpen = false;
    int failAtSheet = 0;
};

// A printer that records its operations instead of printing. Like a real one
// it starts a sheet only when something is drawn.
class RecordingPrinter : public Printer {
  public:
    RecordingPrinter(PrinterLog& log, const std::string& name, const std::string& pdfFile)
        : log_(log), failed_(log.failOnOpen), target_([this] { return CurrentSheet(); }) {
        log_.name = name;
        log_.pdfFile = pdfFile;
        log_.events.clear();
    }

    void SetOrientation(int16_t orientation) override {
        log_.events.push_back("orientation " + std::to_string(orientation));
    }
    void SetPaperSize(int32_t width, int32_t height) override {
        log_.events.push_back("paper " + std::to_string(width) + "x" + std::to_string(height));
    }
    DrawingTarget& Target() override { return target_; }
    void NewPage() override {
        log_.events.push_back("NewPage");
        newSheet_ = sheets_ > 0;
    }
    void EndDoc() override { End("EndDoc"); }
    void Abort() override { End("Abort"); }
    bool Failed() const override { return failed_; }
    std::string ErrorText() const override { return failed_ ? "Kağıt sıkıştı." : ""; }

  private:
    struct SheetLog : RecordingTarget {
        PrinterLog& log;
        explicit SheetLog(PrinterLog& l) : log(l) {}
        void Print(std::string_view text) override { log.events.emplace_back(text); }
    };
    void End(const char* event) {
        log_.events.push_back(event);
        ended_ = true;
    }
    DrawingTarget* CurrentSheet() {
        if (failed_ || ended_) return nullptr;
        if (sheets_ == 0 || newSheet_) {
            failed_ = ++sheets_ == log_.failAtSheet;
            newSheet_ = false;
        }
        return failed_ ? nullptr : &sheet_;
    }

    PrinterLog& log_;
    bool failed_, ended_ = false, newSheet_ = false;
    int sheets_ = 0;
    SheetLog sheet_{log_};
    PrinterSheetTarget target_;
};
