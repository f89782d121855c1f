#include "cli/SpoolCommand.h"

#include <QCoreApplication>
#include <QPrinterInfo>
#include <cstdio>
#include <filesystem>
#include <variant>

#include "cli/CliSession.h"
#include "cli/PageChoice.h"
#include "cli/PdfCommand.h"
#include "core/PaperSizes.h"
#include "platform/Messages.h"
#include "platform/PrinterTarget.h"
#include "platform/QtPrinter.h"
#include "platform/SpoolDocument.h"
#include "render/PageSelection.h"

namespace Tabulon {

namespace {

int Refuse(int status, const std::string& reason) {
    std::fprintf(stderr, "%s %s\n", PrintFailureTitle.c_str(), reason.c_str());
    return status;
}

// Everything the command line says, checked before the report is read.
struct PrintPlan {
    std::string printer;
    SpoolRequest::Sides sides = SpoolRequest::Sides::PrinterDefault;
    int copies = 1;
};

std::optional<SpoolRequest::Sides> SidesArgument(const std::string& text) {
    if (text == "one") return SpoolRequest::Sides::One;
    if (text == "two-long") return SpoolRequest::Sides::TwoLongEdge;
    if (text == "two-short") return SpoolRequest::Sides::TwoShortEdge;
    return std::nullopt;
}

// The plan, or the exit status after saying what is wrong.
std::variant<PrintPlan, int> Plan(const PrintRequest& request) {
    PrintPlan plan;
    if ((request.odd || request.even) + request.pages.has_value() > 1 ||
        (request.odd && request.even))
        return Refuse(PrintUsageError, "--pages, --odd ve --even birlikte verilemez.");
    if (request.copies) {
        const auto copies = PageNumber(*request.copies);
        if (!copies || *copies > 999)
            return Refuse(PrintUsageError,
                          "--copies 1 ile 999 arasında bir sayı olmalı: " + *request.copies);
        plan.copies = *copies;
    }
    if (request.sides) {
        const auto sides = SidesArgument(*request.sides);
        if (!sides)
            return Refuse(PrintUsageError,
                          "--sides one, two-long ya da two-short olmalı: " + *request.sides);
        plan.sides = *sides;
    }
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    plan.printer =
        request.printer ? *request.printer : QPrinterInfo::defaultPrinterName().toStdString();
    if (installed.isEmpty()) return Refuse(PrinterMissing, "Sistemde tanımlı yazıcı yok.");
    if (plan.printer.empty())
        return Refuse(PrinterMissing,
                      "Sistemin varsayılan yazıcısı yok; --printer ile bir yazıcı seçin.");
    if (!installed.contains(QString::fromStdString(plan.printer)))
        return Refuse(PrinterMissing, "Yazıcı bulunamadı: " + plan.printer);
    return plan;
}

// The pages of the report the request chooses; empty after saying why.
std::vector<int32_t> ChosenPages(const PrintRequest& request, int32_t pageCount) {
    const std::string text = request.odd    ? "odd"
                             : request.even ? "even"
                                            : request.pages.value_or("all");
    const auto range = PrintRange(text, pageCount);
    const bool outside =
        range && range->first > 0 && (range->first > range->second || range->second > pageCount);
    std::vector<int32_t> pages;
    if (range && !outside) pages = SelectPages(range->first, range->second, pageCount).Pages();
    if (pages.empty())
        Refuse(PagesOutside, "Seçilen sayfalar raporda yok: " + text + " (rapor " +
                                 std::to_string(pageCount) + " sayfa).");
    return pages;
}

// The document is written to a file of our own in the temporary folder,
// created exclusively and readable by the user alone, and removed once the
// spooler has it.
std::string DocumentPlace() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    const std::string name =
        "tabulon-print-" + std::to_string(QCoreApplication::applicationPid()) + ".pdf";
    return error ? name : (folder / name).string();
}

}  // namespace

int RunPrint(const PrintRequest& request) {
    const auto planned = Plan(request);
    if (const int* status = std::get_if<int>(&planned)) return *status;
    const PrintPlan& plan = std::get<PrintPlan>(planned);

    CliSession session;
    if (auto failure =
            OpenCliSession(session, request.report, {{}, false, request.filter, request.rules}))
        return *failure;
    const std::vector<int32_t> pages = ChosenPages(request, session.pages.totals.pageCount);
    if (pages.empty()) return PagesOutside;

    SpoolRequest spool{plan.printer, {}, "Tabulon", plan.copies, true, plan.sides, {}};
    if (auto paper = FindPaperSize(session.setup.PageSizeX, session.setup.PageSizeY))
        spool.media = paper->media;
    SpoolResult spooled;
    QtPrinter printer(
        plan.printer, DocumentPlace(),
        [](QPainter& painter, const SheetPlacement& placement) {
            return std::make_unique<PrinterTarget>(painter, placement);
        },
        [&](const std::string& pdfPath) -> std::optional<std::string> {
            spool.documentPath = pdfPath;
            spooled = SpoolDocument(spool);
            if (spooled.Ok()) return std::nullopt;
            return spooled.reason;
        });
    if (Outcome<> drawn = DrawSessionPages(session, printer, pages); !drawn.Ok()) {
        printer.Abort();
        return Refuse(SpoolerRefused, RowStoreFailureLine(drawn.Why()));
    }
    printer.EndDoc();
    if (printer.Failed()) return Refuse(SpoolerRefused, plan.printer + "\n" + printer.ErrorText());
    std::printf("%s-%d\n", plan.printer.c_str(), spooled.jobId);
    return WarnIfReportChanged(session, 0);
}

int ListPrinters() {
    const QString standard = QPrinterInfo::defaultPrinterName();
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        const std::string line = name.toStdString() + (name == standard ? "\tvarsayılan" : "");
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

}  // namespace Tabulon
