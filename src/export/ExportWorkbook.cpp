#include "export/ExportWorkbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "core/DecimalNumber.h"
#include "core/TextEncoding.h"
#include "export/ReplacementFile.h"
#include "export/StandardErrorSilenced.h"
#include "input/ForEachRow.h"
#include "input/SplitFields.h"
#include "system/TerminationHeld.h"

namespace Tabulon {

namespace {

static_assert(SheetRowLimit == LXW_ROW_MAX - 1, "row 1 holds the titles");

// A cell of the sheet, counted from 0 as the library counts.
struct Cell {
    lxw_row_t row;
    lxw_col_t col;
};

void WriteField(lxw_worksheet* sheet, Cell cell, uint8_t kind, std::string_view field,
                const NumberLocale& locale, lxw_format* numberFormat, std::string& text) {
    switch (kind) {
        case KindNumber:
        case KindAmount: {
            const auto value = ParseLocaleDouble(TrimSpaces(field), locale);
            // A value beyond the double range would reach the sheet as "inf".
            if (value && std::isfinite(*value))
                worksheet_write_number(sheet, cell.row, cell.col, *value, numberFormat);
            return;
        }
        case KindText:
            if (field.empty()) return;
            text.assign(field);
            worksheet_write_string(sheet, cell.row, cell.col, text.c_str(), nullptr);
            return;
        default:
            return;
    }
}

// The library's reason for a failure: the system's words where it failed on
// a file, its own otherwise. Its error codes read like "Error creating output
// xlsx file. Usually a permissions error.", which says less than errno does.
std::string FailureReason(lxw_error error, int systemError) {
    switch (error) {
        case LXW_ERROR_MEMORY_MALLOC_FAILED:
        case LXW_ERROR_CREATING_XLSX_FILE:
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
        case LXW_ERROR_ZIP_FILE_OPERATION:
        case LXW_ERROR_ZIP_FILE_ADD:
        case LXW_ERROR_ZIP_CLOSE:
            if (systemError != 0) return std::strerror(systemError);
            break;
        default:
            break;
    }
    return lxw_strerror(error);
}

// A display pattern is already a number format as the sheet's file writes
// it: "," groups, "." marks the decimals, whatever the reader's locale, and a
// section after ";" shows negatives. "@" and no pattern leave the number as is.
using ColumnFormats = std::array<lxw_format*, ReportLayout::MaxFields + 1>;
ColumnFormats NumberFormats(lxw_workbook* book, const ReportLayout& layout) {
    ColumnFormats formats{};
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c) {
        const std::string& pattern = layout.ColumnFormats[c];
        const uint8_t kind = layout.Kind(c);
        if ((kind != KindNumber && kind != KindAmount) || pattern.empty() || pattern == "@")
            continue;
        formats[c] = workbook_add_format(book);
        if (formats[c]) format_set_num_format(formats[c], pattern.c_str());
    }
    return formats;
}

// The title row stays in view and filters the rows, and every described
// column is as wide as the page draws it, a character more for the cell's
// margins, so no shown text is cut.
void DressSheet(lxw_worksheet* sheet, int titles, int64_t rowCount,
                const decltype(ReportLayout::ColumnWidths)& shownWidths) {
    worksheet_freeze_panes(sheet, 1, 0);
    if (titles > 0)
        worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(rowCount),
                             static_cast<lxw_col_t>(titles - 1));
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c)
        if (shownWidths[c] > 0)
            worksheet_set_column(sheet, static_cast<lxw_col_t>(c - 1),
                                 static_cast<lxw_col_t>(c - 1), shownWidths[c] + 1.0, nullptr);
}

// Owns the workbook so every way out of the export closes it; its own
// messages stay off the terminal on every one of them. The library names its
// temporary files for a moment while it makes them (the sheet's when it is
// added, the parts' when the workbook is closed), so the program's end waits
// while it may be doing so.
struct Workbook {
    lxw_workbook* book = nullptr;
    ~Workbook() {
        if (!book) return;
        StandardErrorSilenced quiet;
        TerminationHeld held;
        workbook_close(book);
    }
    // Writes the file; the system's or the library's words on failure.
    Outcome<> Close(const std::string& targetPath) {
        StandardErrorSilenced quiet;
        TerminationHeld held;
        errno = 0;
        const lxw_error error = workbook_close(book);
        const int systemError = errno;
        book = nullptr;
        if (error == LXW_NO_ERROR) return {};
        return Failure{Operation::SaveFile, targetPath, FailureReason(error, systemError)};
    }
};

// A workbook written to `path` that streams its rows. The library keeps the
// sheet in unnamed temporary files until it builds the workbook, and does not
// check all of its writes to them. Kept on the target's disk, they fill that
// disk first, and the checked writes of the workbook itself then fail as
// well, so a full disk never yields a workbook cut short.
lxw_workbook* NewWorkbook(const std::string& path) {
    std::string tmpdir = std::filesystem::path(path).parent_path().string();
    if (tmpdir.empty()) tmpdir = ".";
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmpdir.data();
    options.use_zip64 = LXW_TRUE;
    return workbook_new_opt(path.c_str(), &options);
}

// The workbook's one sheet, named after header line 1 where it can be, with
// the titles of columns 1..titleCount in bold; nullptr when the library fails.
lxw_worksheet* TitledSheet(lxw_workbook* book, const ReportLayout& layout, int titleCount,
                           int64_t rowCount,
                           const decltype(ReportLayout::ColumnWidths)& shownWidths) {
    // Without a usable name, or one the library refuses, the sheet keeps its own.
    const std::string name = SheetName(layout.HeaderLines[1]);
    lxw_worksheet* sheet = name.empty() ? nullptr : workbook_add_worksheet(book, name.c_str());
    if (!sheet) sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* bold = workbook_add_format(book);
    if (!sheet || !bold) return nullptr;
    format_set_bold(bold);
    const int titles = std::clamp(titleCount, 0, ReportLayout::MaxFields);
    DressSheet(sheet, titles, rowCount, shownWidths);
    for (int c = 1; c <= titles; ++c)
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c - 1), layout.Title(c).c_str(),
                               bold);
    return sheet;
}

}  // namespace

std::string SheetName(const std::string& headerLine) {
    const std::string_view forbidden = "[]:*?/\\";
    std::string_view rest = headerLine;
    rest.remove_prefix(std::min(rest.find_first_not_of(" '"), rest.size()));
    std::string name;
    // Header lines are UTF-8: a character's length shows in its first byte.
    for (size_t characters = 0; !rest.empty() && characters < LXW_SHEETNAME_MAX; ++characters) {
        const auto lead = static_cast<unsigned char>(rest[0]);
        const size_t length = std::min<size_t>(lead >= 0xF0   ? 4
                                               : lead >= 0xE0 ? 3
                                               : lead >= 0xC0 ? 2
                                                              : 1,
                                               rest.size());
        const bool replaced = lead < 0x20 || forbidden.find(rest[0]) != std::string_view::npos;
        name += replaced ? std::string_view("_") : rest.substr(0, length);
        rest.remove_prefix(length);
    }
    name.erase(name.find_last_not_of(" '") + 1);
    // Excel keeps "History" for itself, in any case.
    std::string folded = name;
    for (char& ch : folded) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return folded == "history" ? std::string() : name;
}

Outcome<ExportedRows> ExportWorkbook(const RowStore& rows, const ReportLayout& layout,
                                     int titleCount,
                                     const decltype(ReportLayout::ColumnWidths)& shownWidths,
                                     const NumberLocale& locale, const std::string& targetPath,
                                     const ProgressCallback& progress) {
    auto failed = [&](std::string reason) {
        return Failure{Operation::SaveFile, targetPath, std::move(reason)};
    };
    ReplacementFile file;
    if (Outcome<> created = file.Create(targetPath); !created.Ok()) return created.Why();
    const int64_t count = rows.RecordCount();
    if (count > SheetRowLimit) return Failure{Operation::FillSheet, targetPath, {}, count};

    Workbook workbook;
    lxw_worksheet* sheet = nullptr;
    ColumnFormats numberFormats{};
    {
        StandardErrorSilenced quiet;
        TerminationHeld held;
        errno = 0;
        workbook.book = NewWorkbook(file.TemporaryPath());
        sheet = workbook.book ? TitledSheet(workbook.book, layout, titleCount, count, shownWidths)
                              : nullptr;
        if (!sheet) return failed(std::strerror(errno ? errno : EIO));
        numberFormats = NumberFormats(workbook.book, layout);
    }

    ExportedRows result;
    std::string text;  // a field as the library takes it, ended by a zero
    Outcome<> read = ForEachRow(
        rows, 1, count,
        [&](int64_t record, std::string_view line) {
            StandardErrorSilenced quiet;
            // Record r goes to sheet row r + 1, which the library counts from 0.
            const auto row = static_cast<lxw_row_t>(record);
            result.lastFieldCount =
                ForEachField(line, ReportLayout::MaxFields, [&](int c, std::string_view field) {
                    WriteField(sheet, {row, static_cast<lxw_col_t>(c - 1)}, layout.Kind(c), field,
                               locale, numberFormats[c], text);
                });
            return true;
        },
        progress);
    if (!read.Ok()) return WhileSaving(read.Why(), targetPath);

    // The library does not check its writes to the temporary file that holds
    // the rows, so a full temporary disk would silently cut the sheet short.
    if (std::FILE* pending = sheet->optimize_tmpfile) {
        errno = 0;
        if (std::fflush(pending) != 0 || std::ferror(pending))
            return failed(std::strerror(errno != 0 ? errno : EIO));
    }

    if (Outcome<> closed = workbook.Close(targetPath); !closed.Ok()) return closed.Why();
    if (Outcome<> committed = file.Commit(); !committed.Ok()) return committed.Why();
    return result;
}

}  // namespace Tabulon
