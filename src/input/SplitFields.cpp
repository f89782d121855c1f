#include "input/SplitFields.h"

#include "core/Rounding.h"

void MeasureField(ReportModel& model, int column, std::string_view field) {
    // A text has no more characters than bytes: only a field longer in bytes
    // than the width so far needs its characters counted.
    int16_t& width = model.MeasuredWidths[column];
    if (static_cast<int64_t>(field.size()) <= width) return;
    const int16_t length = ClampToInt16(static_cast<int64_t>(CodePointCount(field)));
    if (length > width) width = length;
}

void SplitFields(ReportModel& model, std::string_view line) {
    const int count = ForEachField(line, ReportModel::MaxFields,
                                   [&](int c, std::string_view text) { model.Fields[c] = text; });
    model.FieldCount = static_cast<int16_t>(count);
    for (int c = count + 1; c <= ReportModel::DescribedColumns; ++c) model.Fields[c].clear();
    for (int c = 1; c <= ReportModel::DescribedColumns; ++c)
        MeasureField(model, c, model.Fields[c]);
}
