// tabulon-export: the viewer's engine without a window, for automation and tests.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliSession.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "core/DecimalNumber.h"
#include "core/Rounding.h"

namespace {

constexpr int UsageError = 64;

int Usage() {
    std::fputs(
        "Kullanım:\n"
        "  tabulon-export info RAPOR [--rows-per-page N] [--keep-row-store]\n"
        "  tabulon-export csv|txt|tsv|xlsx RAPOR ÇIKTI [--rows-per-page N]\n",
        stderr);
    return UsageError;
}

struct Arguments {
    std::string command;
    std::vector<std::string> positional;
    std::optional<int32_t> rowsPerPage;
    bool keepRowStore = false;
};

std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments args;
    if (argc < 2) return std::nullopt;
    args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rows-per-page" && i + 1 < argc) {
            args.rowsPerPage = ClampToInt32(ReadLeadingInteger(argv[++i]));
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

}  // namespace

int main(int argc, char** argv) {
    // Text is measured and pages drawn without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const auto args = Parse(argc, argv);
    if (!args) return Usage();
    if (args->command == "info" && args->positional.size() == 1) {
        CliSession session;
        session.keepRowStore = args->keepRowStore;
        if (auto failure = OpenCliSession(session, args->positional[0], args->rowsPerPage))
            return *failure;
        std::fputs(InfoJson(session).c_str(), stdout);
        return 0;
    }
    if (IsExportCommand(args->command) && args->positional.size() == 2) {
        CliSession session;
        if (auto failure = OpenCliSession(session, args->positional[0], args->rowsPerPage))
            return *failure;
        return RunExportCommand(session, args->command, args->positional[1]);
    }
    return Usage();
}
