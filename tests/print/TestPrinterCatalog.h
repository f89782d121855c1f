#pragma once
#include <string>
#include <vector>

#include "platform/PrinterCatalog.h"

// A fixed list of printers and a default, as a test sets them.
class TestPrinterCatalog : public PrinterCatalog {
  public:
    std::vector<std::string> names{"Muhasebe", "Depo Lazer", "PDF"};
    std::string defaultName = "Depo Lazer";

    std::vector<std::string> PrinterNames() const override { return names; }
    std::string DefaultPrinterName() const override { return defaultName; }
    int16_t DefaultOrientation() const override { return 1; }
};
