#include "cli/ExportCommand.h"

#include <cstdio>

#include "cli/CliSession.h"
#include "cli/SaveFailure.h"
#include "export/ExportDelimited.h"
#include "export/ExportWorkbook.h"

namespace Tabulon {

bool IsExportCommand(const std::string& command) {
    return command == "csv" || command == "txt" || command == "tsv" || command == "xlsx";
}

// The session has drawn page 1 as the window does after opening the report,
// which leaves the field count of that page's last row: the title count of
// the text formats and the workbook follows it.
int RunExportCommand(CliSession& session, const std::string& command,
                     const std::string& outputPath) {
    const ReportPages& pages = session.pages;
    Outcome<ExportedRows> result;
    if (command == "xlsx") {
        result =
            ExportWorkbook(pages.rows, pages.layout, pages.fieldCount,
                           pages.Widths(session.setup, session.locale), session.locale, outputPath);
    } else {
        const DelimitedFormat format = command == "csv"   ? DelimitedFormat::Csv
                                       : command == "txt" ? DelimitedFormat::CommaText
                                                          : DelimitedFormat::TabText;
        result = ExportDelimited(pages.rows, pages.layout, pages.fieldCount, format, outputPath);
    }
    if (result.Ok()) return 0;
    return SaveFailure(result.Why());
}

}  // namespace Tabulon
