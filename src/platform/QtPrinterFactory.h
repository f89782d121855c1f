#pragma once
#include "platform/PrinterFactory.h"
#include "platform/QtPrinter.h"

namespace Tabulon {

// Opens the catalog's printers through QPrinter.
class QtPrinterFactory : public PrinterFactory {
  public:
    explicit QtPrinterFactory(PainterTargetMaker makeTarget) : makeTarget_(std::move(makeTarget)) {}

    std::unique_ptr<Printer> Open(const std::string& printerName,
                                  const std::string& pdfFile) override {
        return std::make_unique<QtPrinter>(printerName, pdfFile, makeTarget_);
    }

  private:
    PainterTargetMaker makeTarget_;
};

}  // namespace Tabulon
