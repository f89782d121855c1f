#pragma once
#include <string_view>

#include "core/ReportModel.h"
#include "core/TextEncoding.h"

// Hands each field of a line to `visit(number, text)` in order, up to
// `maxFields`: every field ends with a TAB, so text after the last TAB is not
// a field, and a field loses its trailing spaces but keeps its leading ones.
// Returns the number of fields visited.
template <typename Visit>
int ForEachField(std::string_view line, int maxFields, Visit&& visit) {
    int count = 0;
    size_t position = 0;
    while (count < maxFields) {
        const size_t tab = line.find('\t', position);
        if (tab == std::string_view::npos) break;
        ++count;
        visit(count, TrimTrailingSpaces(line.substr(position, tab - position)));
        position = tab + 1;
    }
    return count;
}

// Raises the measured width of a column to the length of a field's text.
void MeasureField(ReportModel& model, int column, std::string_view field);

// Cuts one line into model.Fields as ForEachField finds them. Only Fields
// 1..50 are emptied first; 51..150 keep what an earlier, longer line left
// there. Fields past the 150th are ignored. Every split raises MeasuredWidths
// of columns 1..50 to the lengths it saw.
void SplitFields(ReportModel& model, std::string_view line);
