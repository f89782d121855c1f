#pragma once
#include <string>
#include <vector>

#include "platform/Printer.h"
#include "platform/PrinterSheetTarget.h"

// What a recording printer saw, kept by the test so it outlives the printer.
struct PrinterLog {
    std::string name;
    std::string pdfFile;
    // "orientation 2", "paper 11906x16838", "sheet 1", "NewPage", "EndDoc", "Abort".
    std::vector<std::string> events;
    // The texts printed on each sheet, in order.
    std::vector<std::vector<std::string>> sheets;
    // Faults to act out: fail when opened, or when sheet n (1-based) would start.
    bool failOnOpen = false;
    int failAtSheet = 0;
};

// A printer that records its operations instead of printing. Like a real one it
// starts a sheet only when something is drawn, so the log shows the sheets a
// printer would have produced.
class RecordingPrinter : public Printer {
  public:
    RecordingPrinter(PrinterLog& log, const std::string& name, const std::string& pdfFile)
        : log_(log), sheetTarget_([this] { return CurrentSheet(); }) {
        log_ = PrinterLog{name, pdfFile, {}, {}, log.failOnOpen, log.failAtSheet};
        if (log_.failOnOpen) failed_ = true;
    }

    void SetOrientation(int16_t orientation) override {
        log_.events.push_back("orientation " + std::to_string(orientation));
    }
    void SetPaperSize(int32_t width, int32_t height) override {
        log_.events.push_back("paper " + std::to_string(width) + "x" + std::to_string(height));
    }
    DrawingTarget& Target() override { return sheetTarget_; }
    void NewPage() override {
        log_.events.push_back("NewPage");
        if (!log_.sheets.empty()) newPagePending_ = true;
    }
    void EndDoc() override {
        log_.events.push_back("EndDoc");
        ended_ = true;
    }
    void Abort() override {
        log_.events.push_back("Abort");
        ended_ = true;
    }
    bool Failed() const override { return failed_; }
    std::string ErrorText() const override { return failed_ ? "Kağıt sıkıştı." : ""; }

  private:
    // Records the text printed on the current sheet; fixed A4-like metrics.
    class SheetRecorder : public DrawingTarget {
      public:
        explicit SheetRecorder(PrinterLog& log) : log_(log) {}
        void SetScale(double) override {}
        double Scale() const override { return 1.0; }
        void SetFont(const std::string& face) override { font_ = face; }
        void SetFontSize(float points) override { size_ = points; }
        void SetFontBold(bool bold) override { bold_ = bold; }
        std::string Font() const override { return font_; }
        float FontSize() const override { return size_; }
        bool FontBold() const override { return bold_; }
        int32_t Width() const override { return 11906; }
        int32_t Height() const override { return 16838; }
        double TextWidth(std::string_view text) override { return 120.0 * text.size(); }
        double TextHeight(std::string_view) override { return 225.0; }
        void Box(double, double, double, double, Rgb, bool) override {}
        void PSet(double, double, Rgb) override {}
        void Print(std::string_view text) override { log_.sheets.back().emplace_back(text); }
        void PaintPicture(const Picture&, double, double) override {}

      private:
        PrinterLog& log_;
        std::string font_;
        float size_ = 10;
        bool bold_ = false;
    };

    DrawingTarget* CurrentSheet() {
        if (failed_ || ended_) return nullptr;
        if (log_.sheets.empty() || newPagePending_) {
            const int next = static_cast<int>(log_.sheets.size()) + 1;
            if (next == log_.failAtSheet) {
                failed_ = true;
                return nullptr;
            }
            newPagePending_ = false;
            log_.sheets.emplace_back();
            log_.events.push_back("sheet " + std::to_string(next));
        }
        return &sheet_;
    }

    PrinterLog& log_;
    SheetRecorder sheet_{log_};
    PrinterSheetTarget sheetTarget_;
    bool newPagePending_ = false;
    bool ended_ = false;
    bool failed_ = false;
};
