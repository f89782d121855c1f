#include "platform/QtPrinterCatalog.h"

#include <QPrinterInfo>

#include "platform/SystemEnvironment.h"

namespace Tabulon {

std::vector<std::string> QtPrinterCatalog::PrinterNames() const {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        // A system printer that happens to be called "PDF" would be
        // indistinguishable from the built-in one; the built-in one wins.
        if (name.toStdString() != BuiltInPdfName) names.push_back(name.toStdString());
    }
    names.emplace_back(BuiltInPdfName);
    return names;
}

std::string QtPrinterCatalog::DefaultPrinterName() const {
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? std::string(BuiltInPdfName) : name.toStdString();
}

int16_t QtPrinterCatalog::DefaultOrientation() const {
    return DefaultPrinterOrientation();
}

}  // namespace Tabulon
