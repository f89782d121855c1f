#pragma once
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "export/ReplacementFile.h"
#include "platform/Printer.h"
#include "platform/PrinterSheetTarget.h"

namespace Tabulon {

// Makes the twips drawing target over a painter that has begun on a printer.
using PainterTargetMaker = std::function<std::unique_ptr<DrawingTarget>(QPainter&)>;

// Hands a complete PDF document, by its path, to the system's spooler; the
// reason when it was refused.
using DocumentSpooler = std::function<std::optional<std::string>(const std::string& pdfPath)>;

// A printer of the catalog through QPrinter: a system printer by name, or the
// built-in "PDF" printer, which writes its document beside the chosen file and
// puts it in place only when the document is complete, so an abandoned job
// neither leaves half a file nor destroys an older one.
//
// With a spooler the document is written as a PDF to a file made beside
// pdfFile (whose name is never used itself), handed to the spooler when
// complete and removed: the spooler then says whether it took the job.
class QtPrinter : public Printer {
  public:
    QtPrinter(const std::string& printerName, const std::string& pdfFile,
              PainterTargetMaker makeTarget, DocumentSpooler spooler = {});
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    void SetOrientation(int16_t orientation) override;
    void SetPaperSize(int32_t widthTwips, int32_t heightTwips) override;
    DrawingTarget& Target() override { return sheetTarget_; }
    void NewPage() override;
    void SetDocumentName(const std::string& name) override;
    void EndDoc() override;
    void Abort() override;
    bool Failed() const override { return failed_; }
    std::string ErrorText() const override { return errorText_; }

  private:
    DrawingTarget* Sheet();
    void ApplyPageLayout();
    void Fail(const std::string& reason);
    // A step of the document failed; for a PDF, why writing its file failed.
    void FailWriting(const std::string& reason);
    void DropPartFile();
    void WritePdfBeside(const std::string& pdfFile);
    void HandOverDocument();

    QPrinter printer_;
    QPainter painter_;
    PainterTargetMaker makeTarget_;
    std::unique_ptr<DrawingTarget> painterTarget_;
    PrinterSheetTarget sheetTarget_;

    int16_t orientation_ = 1;
    int32_t paperWidth_ = 0, paperHeight_ = 0;
    bool newPagePending_ = false;
    bool ended_ = false;
    bool failed_ = false;
    std::string errorText_;
    std::string pdfFile_;       // the built-in PDF printer only
    ReplacementFile partFile_;  // where it writes until the document is complete
    DocumentSpooler spooler_;
};

}  // namespace Tabulon
