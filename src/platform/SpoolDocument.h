#pragma once
#include <string>

namespace Tabulon {

// How a document is to be printed by the system's spooler.
struct SpoolRequest {
    enum class Sides { PrinterDefault, One, TwoLongEdge, TwoShortEdge };

    std::string printer;
    std::string documentPath;  // a PDF file
    std::string title;
    int copies = 1;
    bool collate = true;  // copies of the whole document one after the other
    Sides sides = Sides::PrinterDefault;
    std::string media;  // the paper's name for the spooler; empty: the printer's own
};

// The spooler's answer: the job it made, or why it refused.
struct SpoolResult {
    int jobId = 0;
    std::string reason;
    bool Ok() const { return jobId > 0; }
};

// Submits the document as one job to the system's printing (CUPS) and returns
// once the spooler has taken it; the file may be removed then.
SpoolResult SpoolDocument(const SpoolRequest& request);

}  // namespace Tabulon
