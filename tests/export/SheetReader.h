#pragma once
#include <cstdio>
#include <map>
#include <regex>
#include <string>

namespace Tabulon {

// Reads one part of a workbook (a zip file) with the unzip program.
inline std::string WorkbookPart(const std::string& workbook, const std::string& part) {
    const std::string command = "unzip -p '" + workbook + "' " + part + " 2>/dev/null";
    std::string text;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

struct SheetCell {
    std::string type;   // t attribute: "inlineStr", "s", or empty for a number
    std::string style;  // s attribute
    std::string value;  // the text or the number as written
};

// The first sheet's cells with a value, by reference ("A1"): its style and
// type attributes, then the number or the inline text.
inline std::map<std::string, SheetCell> SheetCells(const std::string& workbook) {
    const std::string xml = WorkbookPart(workbook, "xl/worksheets/sheet1.xml");
    static const std::regex cell(
        R"re(<c r="(\w+)"(?: s="(\d+)")?(?: t="(\w+)")?><(?:is><t|v)[^>]*>([^<]*)<)re");
    std::map<std::string, SheetCell> cells;
    for (std::sregex_iterator it(xml.begin(), xml.end(), cell), end; it != end; ++it)
        cells[(*it)[1]] = {(*it)[3], (*it)[2], (*it)[4]};
    return cells;
}

// The cells one a line: text quoted, a styled cell followed by its style.
inline std::string SheetText(const std::string& workbook) {
    std::string text;
    for (const auto& [ref, cell] : SheetCells(workbook))
        text += ref + "=" + (cell.type == "inlineStr" ? "'" + cell.value + "'" : cell.value) +
                (cell.style.empty() ? "" : " s" + cell.style) + "\n";
    return text;
}

}  // namespace Tabulon
