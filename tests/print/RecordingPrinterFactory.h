#pragma once
#include <memory>

#include "RecordingPrinter.h"
#include "platform/PrinterFactory.h"

// Opens recording printers that all write into one log.
class RecordingPrinterFactory : public PrinterFactory {
  public:
    PrinterLog log;
    int opened = 0;

    std::unique_ptr<Printer> Open(const std::string& name, const std::string& pdfFile) override {
        ++opened;
        return std::make_unique<RecordingPrinter>(log, name, pdfFile);
    }
};
