#include "cli/FindCommand.h"

#include <cstdio>

#include "cli/CliSession.h"
#include "platform/Messages.h"
#include "render/FindFields.h"

namespace Tabulon {

int PrintFoundFields(const CliSession& session, const std::string& text, FindRules rules) {
    const ReportPages& pages = session.pages;
    const FieldFinder finder(pages.layout, session.locale, text, rules);
    bool first = true;
    std::fputs("[", stdout);
    std::string error;
    const bool read = FindEveryField(
        pages.rows, finder,
        [&](const MarkedField& hit) {
            std::printf("%s\n  {\"Row\": %lld, \"Column\": %d, \"Page\": %lld}", first ? "" : ",",
                        static_cast<long long>(hit.row), hit.column,
                        static_cast<long long>(PageOfRow(hit.row, pages.metrics.RowsPerPage)));
            first = false;
            return true;
        },
        error);
    std::fputs(first ? "]\n" : "\n]\n", stdout);
    if (read) return 0;
    std::fprintf(stderr, "%s\n%s\n", RowStoreUnreadableTitle.c_str(), error.c_str());
    return 2;
}

}  // namespace Tabulon
