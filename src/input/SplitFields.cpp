#include "input/SplitFields.h"

#include "core/Rounding.h"
#include "core/TextEncoding.h"

void SplitFields(ReportModel& model, std::string_view line) {
    for (int c = 1; c <= ReportModel::DescribedColumns; ++c) model.Fields[c].clear();
    int count = 0;
    size_t position = 0;
    while (count < ReportModel::MaxFields) {
        const size_t tab = line.find('\t', position);
        if (tab == std::string_view::npos) break;
        ++count;
        model.Fields[count] = TrimTrailingSpaces(line.substr(position, tab - position));
        position = tab + 1;
    }
    model.FieldCount = static_cast<int16_t>(count);
    for (int c = 1; c <= ReportModel::DescribedColumns; ++c) {
        const int16_t length = ClampToInt16(static_cast<int64_t>(CodePointCount(model.Fields[c])));
        if (length > model.MeasuredWidths[c]) model.MeasuredWidths[c] = length;
    }
}
