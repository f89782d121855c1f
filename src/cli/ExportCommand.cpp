#include "cli/ExportCommand.h"

#include <algorithm>
#include <cstdio>

#include "cli/CliSession.h"
#include "export/ExportDelimited.h"
#include "export/ExportWorkbook.h"
#include "input/RowStore.h"
#include "input/SplitFields.h"

namespace {

// The window draws page 1 right after opening the report, and that drawing
// splits the page's rows last: the title count of an export follows the last
// row of page 1.
void SplitLastRowOfFirstPage(CliSession& session) {
    if (session.view.metrics.RowsPerPage <= 0) return;
    RowStore store;
    if (!store.Open(session.rowStorePath) || store.RecordCount() == 0) return;
    std::string record;
    if (store.ReadRecord(std::min<int64_t>(session.view.metrics.RowsPerPage, store.RecordCount()),
                         record))
        SplitFields(session.model, record);
}

}  // namespace

bool IsExportCommand(const std::string& command) {
    return command == "csv" || command == "txt" || command == "tsv" || command == "xlsx";
}

int RunExportCommand(CliSession& session, const std::string& command,
                     const std::string& outputPath) {
    SplitLastRowOfFirstPage(session);
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
