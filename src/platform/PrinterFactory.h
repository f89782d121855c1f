#pragma once
#include <memory>
#include <string>

#include "platform/Printer.h"

namespace Tabulon {

// Makes a printer of the catalog the current printer for one job.
class PrinterFactory {
  public:
    virtual ~PrinterFactory() = default;
    // pdfFile is where the built-in "PDF" printer writes; other printers ignore it.
    // Never null: a printer that cannot be reached comes back already failed.
    virtual std::unique_ptr<Printer> Open(const std::string& printerName,
                                          const std::string& pdfFile) = 0;
};

}  // namespace Tabulon
