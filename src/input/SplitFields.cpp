#include "input/SplitFields.h"

namespace Tabulon {

RowFields SplitFields(std::string_view line) {
    RowFields row;
    row.count = ForEachField(line, ReportLayout::MaxFields, [&](int c, std::string_view text) {
        row.fields[static_cast<size_t>(c)] = text;
    });
    return row;
}

}  // namespace Tabulon
