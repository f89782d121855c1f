#pragma once
#include <string>
#include <vector>

#include "platform/PrinterCatalog.h"

namespace Tabulon {

// The printers a test names, and a default that need not be the first.
class FixedPrinterCatalog : public PrinterCatalog {
  public:
    explicit FixedPrinterCatalog(std::vector<std::string> printers = {"PDF"},
                                 std::string defaultPrinter = "PDF")
        : names(std::move(printers)), defaultName(std::move(defaultPrinter)) {}
    std::vector<std::string> names;
    std::string defaultName;

    std::vector<std::string> PrinterNames() const override { return names; }
    std::string DefaultPrinterName() const override { return defaultName; }
    int16_t DefaultOrientation() const override { return 1; }
};

}  // namespace Tabulon
