#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <string>

#include "ProgramRun.h"
#include "print/FrmPrintControls.h"

namespace Tabulon {

// The page number of each sheet of a PDF of the sample report, "?" for a
// sheet without the sample's title.
inline std::string SheetsOf(const std::string& pdf) {
    std::string sheets;
    for (const std::string& text : PdfPages(pdf)) {
        const size_t at = text.find("Sayfa:");
        const bool titled = text.find("AYLIK SATIŞ RAPORU") != std::string::npos;
        sheets += at != std::string::npos && titled ? text.substr(at + 6, 1) : "?";
    }
    return sheets;
}

// The print dialog's job controls as "copies collate side reverse", "-" after
// a disabled one.
inline std::string Shown(const FrmPrintControls& c) {
    const std::pair<const QWidget*, int> controls[] = {{c.Copies, c.Copies->value()},
                                                       {c.Collate, c.Collate->isChecked()},
                                                       {c.Sides, c.Sides->currentIndex()},
                                                       {c.Reverse, c.Reverse->isChecked()}};
    std::string text;
    for (const auto& [control, value] : controls)
        text +=
            (text.empty() ? "" : " ") + std::to_string(value) + (control->isEnabled() ? "" : "-");
    return text;
}

}  // namespace Tabulon
