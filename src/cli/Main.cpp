// tabulon-export: the viewer's engine without a window, for automation and tests.
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliSession.h"
#include "cli/ExportCommand.h"
#include "cli/FindCommand.h"
#include "cli/InfoCommand.h"
#include "cli/PageChoice.h"
#include "cli/PdfCommand.h"
#include "cli/PngCommand.h"
#include "cli/SpoolCommand.h"
#include "core/DecimalNumber.h"
#include "core/PartFileRegistry.h"
#include "core/Rounding.h"
#include "platform/NeutralNumbers.h"
#include "platform/PrivateRuntimeFolder.h"
#include "render/PageSelection.h"

namespace Tabulon {

namespace {

constexpr int UsageError = 64;

int Usage() {
    std::fputs(
        "Kullanım:\n"
        "  tabulon-export info RAPOR [--rows-per-page N] [--keep-row-store]\n"
        "  tabulon-export find RAPOR METİN [--rows-per-page N] [--column N] [--whole]\n"
        "  tabulon-export csv|txt|tsv|xlsx RAPOR ÇIKTI [--rows-per-page N]\n"
        "  tabulon-export pdf RAPOR ÇIKTI.pdf [--pages all|N-M|odd|even]\n"
        "  tabulon-export png RAPOR ÇIKTI.png --page N [--zoom 100|75|50] [--paper]\n"
        "  tabulon-export print RAPOR [--printer YAZICI] [--pages N-M | --odd | --even]\n"
        "                       [--copies N] [--sides one|two-long|two-short]\n"
        "  tabulon-export printers\n"
        "info, csv, txt, tsv, xlsx, pdf, png ve print yalnızca METİN geçen satırlarla:\n"
        "  --filter METİN [--column N] [--whole]\n",
        stderr);
    return UsageError;
}

// More rows than any page could draw, or none at all, would only make every
// page loop over empty slots: the number is brought within 1..100000, and
// the user is told.
int32_t RowsPerPageArgument(const char* text) {
    constexpr int64_t Fewest = 1, Most = 100000;
    const int64_t asked = ReadLeadingInteger(text);
    const int64_t used = std::clamp(asked, Fewest, Most);
    if (used != asked)
        std::fprintf(stderr,
                     "--rows-per-page %s geçersiz: sayfa başına 1 ile 100000 arasında satır "
                     "olabilir; %lld kullanılıyor.\n",
                     text, static_cast<long long>(used));
    return static_cast<int32_t>(used);
}

struct Arguments {
    std::string command;
    std::vector<std::string> positional;
    std::optional<int32_t> rowsPerPage;
    std::optional<std::string> pages;
    std::optional<std::string> page;
    std::optional<std::string> zoom;
    bool keepRowStore = false;
    bool paperOnly = false;
    PrintRequest print;  // the options of `print`
    std::optional<std::string> filter;
    FindRules rules;
    bool rulesGiven = false;  // --column or --whole
    // The open options of every command that reads a report; only info
    // keeps the working file's name.
    CliOpenOptions Open() const { return {rowsPerPage, false, filter, rules}; }
};

// A column number as --column takes it: 1 or more.
std::optional<int> ColumnArgument(const char* text) {
    const std::string_view digits(text);
    if (digits.empty() || digits.size() > 3 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int column = std::stoi(std::string(digits));
    if (column < 1) return std::nullopt;
    return column;
}

std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments args;
    if (argc < 2) return std::nullopt;
    args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--rows-per-page" && hasValue) {
            args.rowsPerPage = RowsPerPageArgument(argv[++i]);
        } else if (arg == "--pages" && hasValue) {
            args.pages = argv[++i];
        } else if (arg == "--page" && hasValue) {
            args.page = argv[++i];
        } else if (arg == "--zoom" && hasValue) {
            args.zoom = argv[++i];
        } else if (arg == "--printer" && hasValue) {
            args.print.printer = argv[++i];
        } else if (arg == "--copies" && hasValue) {
            args.print.copies = argv[++i];
        } else if (arg == "--sides" && hasValue) {
            args.print.sides = argv[++i];
        } else if (arg == "--odd" || arg == "--even") {
            (arg == "--odd" ? args.print.odd : args.print.even) = true;
        } else if (arg == "--filter" && hasValue) {
            args.filter = argv[++i];
        } else if (arg == "--column" && hasValue) {
            const auto column = ColumnArgument(argv[++i]);
            if (!column) {
                std::fprintf(stderr,
                             "--column %s geçersiz: 1 ya da daha büyük bir sütun "
                             "numarası olmalı.\n",
                             argv[i]);
                return std::nullopt;
            }
            args.rules.column = *column;
            args.rulesGiven = true;
        } else if (arg == "--whole") {
            args.rules.wholeField = true;
            args.rulesGiven = true;
        } else if (arg == "--paper") {
            args.paperOnly = true;
        } else if (arg == "--keep-row-store") {
            args.keepRowStore = true;
        } else if (arg.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            args.positional.push_back(arg);
        }
    }
    return args;
}

std::optional<float> Zoom(const std::optional<std::string>& text) {
    if (!text || *text == "100") return 1.0f;
    if (*text == "75") return 0.75f;
    if (*text == "50") return 0.5f;
    return std::nullopt;
}

int Pdf(const Arguments& args) {
    if (args.positional.size() != 2) return Usage();
    CliSession session;
    if (auto failure = OpenCliSession(session, args.positional[0], args.Open())) return *failure;
    const int32_t pageCount = session.pages.totals.pageCount;
    const auto range = PrintRange(args.pages.value_or("all"), pageCount);
    if (!range) {
        std::fprintf(stderr, "Geçersiz sayfa seçimi: %s\n", args.pages->c_str());
        return UsageError;
    }
    return WarnIfReportChanged(
        session,
        WritePdf(session, args.positional[1], SelectPages(range->first, range->second, pageCount)));
}

int Png(const Arguments& args) {
    const auto zoom = Zoom(args.zoom);
    if (args.positional.size() != 2 || !args.page || !zoom) return Usage();
    const auto page = PageNumber(*args.page);
    CliSession session;
    if (auto failure = OpenCliSession(session, args.positional[0], args.Open())) return *failure;
    const int32_t pageCount = session.pages.totals.pageCount;
    if (!page || *page > pageCount) {
        std::fprintf(stderr, "Sayfa numarası 1 ile %d arasında olmalı: %s\n", pageCount,
                     args.page->c_str());
        return UsageError;
    }
    return WarnIfReportChanged(session,
                               WritePng(session, args.positional[1], *page, *zoom, args.paperOnly));
}

}  // namespace

}  // namespace Tabulon

using namespace Tabulon;

int main(int argc, char** argv) {
    // A TERM, INT or HUP while a file is written leaves no part file behind.
    RemovePartFilesOnTermination();
    // Text is measured and pages drawn without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateRuntimeFolder runtime;
    QGuiApplication app(argc, argv);
    UseNeutralNumbersInTheCLibrary();

    const auto args = Parse(argc, argv);
    if (!args) return Usage();
    // Where to look means nothing without something to look for.
    if (args->rulesGiven && !args->filter && args->command != "find") return Usage();
    if (args->command == "info" && args->positional.size() == 1) {
        CliSession session;
        CliOpenOptions open = args->Open();
        open.keepRowStore = args->keepRowStore;
        if (auto failure = OpenCliSession(session, args->positional[0], open)) return *failure;
        PrintInfo(session);
        return WarnIfReportChanged(session, 0);
    }
    if (args->command == "find" && args->positional.size() == 2) {
        CliSession session;
        CliOpenOptions open = args->Open();
        open.filter.reset();  // find looks through the whole report
        if (auto failure = OpenCliSession(session, args->positional[0], open)) return *failure;
        return WarnIfReportChanged(session,
                                   PrintFoundFields(session, args->positional[1], args->rules));
    }
    if (IsExportCommand(args->command) && args->positional.size() == 2) {
        CliSession session;
        if (auto failure = OpenCliSession(session, args->positional[0], args->Open()))
            return *failure;
        return WarnIfReportChanged(session,
                                   RunExportCommand(session, args->command, args->positional[1]));
    }
    if (args->command == "pdf") return Pdf(*args);
    if (args->command == "png") return Png(*args);
    if (args->command == "print" && args->positional.size() == 1) {
        PrintRequest request = args->print;
        request.report = args->positional[0];
        request.pages = args->pages;
        request.filter = args->filter;
        request.rules = args->rules;
        return RunPrint(request);
    }
    if (args->command == "printers" && args->positional.empty()) return ListPrinters();
    return Usage();
}
