#pragma once
#include <string>

#include "ProgramRun.h"

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

}  // namespace Tabulon
