#pragma once
#include "platform/PrinterCatalog.h"

namespace Tabulon {

// The system's printers as the print system lists them (CUPS on Linux, the
// spooler on Windows), followed by the built-in "PDF" printer, which every
// system has.
class QtPrinterCatalog : public PrinterCatalog {
  public:
    std::vector<std::string> PrinterNames() const override;
    // The system's default printer; "PDF" when the system has none.
    std::string DefaultPrinterName() const override;
    int16_t DefaultOrientation() const override;
};

}  // namespace Tabulon
