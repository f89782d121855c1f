#pragma once
#include <algorithm>
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
    std::vector<std::string> twoSided;  // the printers that print both sides

    std::vector<std::string> PrinterNames() const override { return names; }
    std::string DefaultPrinterName() const override { return defaultName; }
    int16_t DefaultOrientation() const override { return 1; }
    bool PrintsTwoSided(const std::string& printer) const override {
        return std::find(twoSided.begin(), twoSided.end(), printer) != twoSided.end();
    }
};

}  // namespace Tabulon
