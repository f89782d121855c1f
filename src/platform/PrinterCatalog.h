#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace Tabulon {

// The printers the program may print on: the system's printers followed by
// the built-in "PDF" printer. Tests hand in their own catalog.
class PrinterCatalog {
  public:
    static constexpr const char* BuiltInPdfName = "PDF";

    virtual ~PrinterCatalog() = default;
    // In collection order; the built-in "PDF" printer comes last.
    virtual std::vector<std::string> PrinterNames() const = 0;
    virtual std::string DefaultPrinterName() const = 0;
    // The default printer's orientation: 1 portrait, 2 landscape.
    virtual int16_t DefaultOrientation() const = 0;
};

}  // namespace Tabulon
