#include "core/RememberedWidths.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

namespace Tabulon {

namespace {

// An entry reads "KEY;3=12,5=30": the titles' key, then column=width pairs.
std::string EntryText(const std::string& key, const std::vector<RememberedWidths::Width>& widths) {
    std::string text = key + ";";
    for (const auto& [column, width] : widths)
        text +=
            (text.back() == ';' ? "" : ",") + std::to_string(column) + "=" + std::to_string(width);
    return text;
}

// Pairs that do not read as a column of the layout and a width of at least
// one character are passed over: the file may have been edited by hand.
std::vector<RememberedWidths::Width> ParseWidths(std::string_view text) {
    std::vector<RememberedWidths::Width> widths;
    while (!text.empty()) {
        const size_t comma = std::min(text.find(','), text.size());
        const std::string_view pair = text.substr(0, comma);
        text.remove_prefix(std::min(comma + 1, text.size()));
        const size_t equals = pair.find('=');
        if (equals == std::string_view::npos) continue;
        int column = 0;
        int width = 0;
        const auto [columnEnd, columnError] =
            std::from_chars(pair.data(), pair.data() + equals, column);
        const auto [widthEnd, widthError] =
            std::from_chars(pair.data() + equals + 1, pair.data() + pair.size(), width);
        if (columnError != std::errc() || widthError != std::errc() ||
            columnEnd != pair.data() + equals || widthEnd != pair.data() + pair.size())
            continue;
        if (column < 1 || column > ReportLayout::DescribedColumns || width < 1 ||
            width > std::numeric_limits<int16_t>::max())
            continue;
        widths.push_back({column, static_cast<int16_t>(width)});
    }
    return widths;
}

bool HasTitles(const ReportLayout& layout) {
    return std::any_of(layout.ColumnTitles.begin() + 1, layout.ColumnTitles.end(),
                       [](const std::string& title) { return !title.empty(); });
}

}  // namespace

RememberedWidths::RememberedWidths(SettingsBackend& backend)
    : list_(backend, "ColumnWidths", TitleSets) {}

std::string RememberedWidths::TitlesKey(const ReportLayout& layout) {
    // FNV-1a over the titles, each ended by a TAB as in the report's line.
    uint64_t hash = 14695981039346656037u;
    const auto add = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211u;
    };
    int last = ReportLayout::DescribedColumns;
    while (last > 0 && layout.ColumnTitles[static_cast<size_t>(last)].empty()) --last;
    for (int c = 1; c <= last; ++c) {
        for (const char ch : layout.ColumnTitles[static_cast<size_t>(c)])
            add(static_cast<unsigned char>(ch));
        add('\t');
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::vector<RememberedWidths::Width> RememberedWidths::For(const ReportLayout& layout) const {
    if (!HasTitles(layout)) return {};
    const std::string prefix = TitlesKey(layout) + ";";
    for (const std::string& entry : list_.Read())
        if (entry.starts_with(prefix))
            return ParseWidths(std::string_view(entry).substr(prefix.size()));
    return {};
}

void RememberedWidths::Remember(const ReportLayout& layout,
                                const std::vector<Width>& widths) const {
    if (!HasTitles(layout)) return;
    const std::string prefix = TitlesKey(layout) + ";";
    const auto same = [&prefix](const std::string& entry) { return entry.starts_with(prefix); };
    if (widths.empty())
        list_.Drop(same);
    else
        list_.PutFirst(EntryText(TitlesKey(layout), widths), same);
}

}  // namespace Tabulon
