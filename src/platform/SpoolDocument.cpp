#include "platform/SpoolDocument.h"

#include <cups/cups.h>

namespace Tabulon {

namespace {

const char* SidesKeyword(SpoolRequest::Sides sides) {
    switch (sides) {
        case SpoolRequest::Sides::One:
            return "one-sided";
        case SpoolRequest::Sides::TwoLongEdge:
            return "two-sided-long-edge";
        case SpoolRequest::Sides::TwoShortEdge:
            return "two-sided-short-edge";
        case SpoolRequest::Sides::PrinterDefault:
            break;
    }
    return nullptr;
}

}  // namespace

SpoolResult SpoolDocument(const SpoolRequest& request) {
    cups_option_t* options = nullptr;
    int count = 0;
    count = cupsAddOption("copies", std::to_string(request.copies).c_str(), count, &options);
    if (request.copies > 1)
        count = cupsAddOption("multiple-document-handling",
                              request.collate ? "separate-documents-collated-copies"
                                              : "separate-documents-uncollated-copies",
                              count, &options);
    if (const char* sides = SidesKeyword(request.sides))
        count = cupsAddOption("sides", sides, count, &options);
    if (!request.media.empty())
        count = cupsAddOption("media", request.media.c_str(), count, &options);
    // The document's type is said, not guessed, so a raw queue keeps the PDF
    // and a driver's queue converts it.
    count = cupsAddOption("document-format", CUPS_FORMAT_PDF, count, &options);

    SpoolResult result;
    result.jobId = cupsPrintFile(request.printer.c_str(), request.documentPath.c_str(),
                                 request.title.c_str(), count, options);
    cupsFreeOptions(count, options);
    if (result.jobId <= 0) {
        result.jobId = 0;
        const char* reason = cupsLastErrorString();
        result.reason = reason && *reason ? reason : "The spooler did not take the job";
    }
    return result;
}

}  // namespace Tabulon
