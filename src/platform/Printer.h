#pragma once
#include <cstdint>
#include <string>

#include "render/DrawPages.h"

namespace Tabulon {

// The program's current printer during one print job. A sheet is started
// only when something is drawn on Target(), so a NewPage that is directly
// followed by EndDoc never adds an empty sheet, and a document in which
// nothing was drawn sends nothing at all.
class Printer : public PageSheets {
  public:
    // 1 portrait, 2 landscape.
    virtual void SetOrientation(int16_t orientation) = 0;
    // The page as laid out, in twips, width first (a landscape page is wider
    // than high).
    virtual void SetPaperSize(int32_t widthTwips, int32_t heightTwips) = 0;
    // The document's name in the spooler's queue and a PDF's title.
    virtual void SetDocumentName(const std::string& name) = 0;

    // Where the page renderer draws: (0, 0) is the top-left corner of the
    // printable area, Width() and Height() are the paper's.
    DrawingTarget& Target() override = 0;
    void NewPage() override = 0;
    // Hands the document to the spooler (or the file).
    virtual void EndDoc() = 0;
    // Drops the document: nothing more is sent and a file being written is removed.
    virtual void Abort() = 0;

    // Once a printer has failed it stays failed and draws nothing more.
    bool Failed() const override = 0;
    // Why it failed, in Turkish, for the user.
    virtual std::string ErrorText() const = 0;
};

}  // namespace Tabulon
