#include "cli/ExportCommand.h"

#include <cstdio>

#include "cli/CliSession.h"
#include "export/ExportDelimited.h"
#include "export/ExportWorkbook.h"

bool IsExportCommand(const std::string& command) {
    return command == "csv" || command == "txt" || command == "tsv" || command == "xlsx";
}

// The session has drawn page 1 as the window does after opening the report,
// which leaves the model holding the last row of that page: the title count
// of the text formats and the workbook follows it.
int RunExportCommand(CliSession& session, const std::string& command,
                     const std::string& outputPath) {
    ExportResult result;
    if (command == "xlsx") {
        result = ExportWorkbook(session.model, session.rowStorePath, session.locale, outputPath);
    } else {
        const DelimitedFormat format = command == "csv"   ? DelimitedFormat::Csv
                                       : command == "txt" ? DelimitedFormat::CommaText
                                                          : DelimitedFormat::TabText;
        result = ExportDelimited(session.model, session.rowStorePath, format, outputPath);
    }
    if (result.ok) return 0;
    std::fprintf(stderr, "%s\n", result.Message().c_str());
    return 1;
}
