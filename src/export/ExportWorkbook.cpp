#include "export/ExportWorkbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "core/DecimalNumber.h"
#include "core/TextEncoding.h"
#include "export/ReplacementFile.h"
#include "export/StandardErrorSilenced.h"
#include "input/SplitFields.h"

namespace {

static_assert(SheetRowLimit == LXW_ROW_MAX - 1, "row 1 holds the titles");

// Records read from the row store with one read: a megabyte.
constexpr int64_t RecordsPerRead = 2048;

// A cell of the sheet, counted from 0 as the library counts.
struct Cell {
    lxw_row_t row;
    lxw_col_t col;
};

void WriteField(lxw_worksheet* sheet, Cell cell, uint8_t kind, std::string_view field,
                const NumberLocale& locale, std::string& text) {
    switch (kind) {
        case KindNumber:
        case KindAmount: {
            const auto value = ParseLocaleDouble(TrimSpaces(field), locale);
            // A value beyond the double range would reach the sheet as "inf".
            if (value && std::isfinite(*value))
                worksheet_write_number(sheet, cell.row, cell.col, *value, nullptr);
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

// Owns the workbook so every way out of the export closes it; its own
// messages stay off the terminal on every one of them.
struct Workbook {
    lxw_workbook* book = nullptr;
    ~Workbook() {
        if (!book) return;
        StandardErrorSilenced quiet;
        workbook_close(book);
    }
    // Writes the file; the system's or the library's words on failure.
    bool Close(std::string& reason) {
        StandardErrorSilenced quiet;
        errno = 0;
        const lxw_error error = workbook_close(book);
        const int systemError = errno;
        book = nullptr;
        if (error == LXW_NO_ERROR) return true;
        reason = FailureReason(error, systemError);
        return false;
    }
};

}  // namespace

ExportResult ExportWorkbook(const RowStore& rows, const ReportLayout& layout, int titleCount,
                            const NumberLocale& locale, const std::string& targetPath,
                            const ProgressCallback& progress) {
    using Outcome = ExportResult::Outcome;
    auto failed = [&](Outcome outcome, std::string reason) {
        return ExportResult::Failure(outcome, targetPath, std::move(reason));
    };
    ReplacementFile file;
    if (!file.Create(targetPath)) return failed(Outcome::TargetFailed, file.Error());
    const int64_t count = rows.RecordCount();
    if (count > SheetRowLimit) {
        ExportResult tooMany = failed(Outcome::TooManyRows, {});
        tooMany.rows = count;
        return tooMany;
    }

    // The library keeps the sheet in unnamed temporary files until it builds
    // the workbook, and does not check all of its writes to them. Kept on the
    // target's disk, they fill that disk first, and the checked writes of the
    // workbook itself then fail as well, so a full disk never yields a
    // workbook cut short.
    std::string tmpdir = std::filesystem::path(file.TemporaryPath()).parent_path().string();
    if (tmpdir.empty()) tmpdir = ".";
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmpdir.data();
    options.use_zip64 = LXW_TRUE;
    Workbook workbook;
    lxw_worksheet* sheet = nullptr;
    {
        StandardErrorSilenced quiet;
        errno = 0;
        workbook.book = workbook_new_opt(file.TemporaryPath().c_str(), &options);
        sheet = workbook.book ? workbook_add_worksheet(workbook.book, nullptr) : nullptr;
        lxw_format* bold = workbook.book ? workbook_add_format(workbook.book) : nullptr;
        if (!sheet || !bold)
            return failed(Outcome::TargetFailed, std::strerror(errno ? errno : EIO));
        format_set_bold(bold);
        const int titles = std::clamp(titleCount, 0, ReportLayout::MaxFields);
        for (int c = 1; c <= titles; ++c)
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c - 1), layout.Title(c).c_str(),
                                   bold);
    }

    ExportResult result;
    RecordBlock records;
    std::string error;
    std::string text;  // a field as the library takes it, ended by a zero
    for (int64_t first = 1; first <= count; first += RecordsPerRead) {
        if (progress && !progress(first - 1, count)) return failed(Outcome::Cancelled, {});
        if (!rows.Read(first, RecordsPerRead, records, error))
            return failed(Outcome::RowsUnreadable, error);
        StandardErrorSilenced quiet;
        for (size_t i = 0; i < records.texts.size(); ++i) {
            // Record r goes to sheet row r + 1, which the library counts from 0.
            const auto row = static_cast<lxw_row_t>(records.first + static_cast<int64_t>(i));
            result.lastFieldCount = ForEachField(
                records.texts[i], ReportLayout::MaxFields, [&](int c, std::string_view field) {
                    WriteField(sheet, {row, static_cast<lxw_col_t>(c - 1)}, layout.Kind(c), field,
                               locale, text);
                });
        }
        if (!records.Intact(error)) return failed(Outcome::RowsUnreadable, error);
    }

    // The library does not check its writes to the temporary file that holds
    // the rows, so a full temporary disk would silently cut the sheet short.
    if (std::FILE* pending = sheet->optimize_tmpfile) {
        errno = 0;
        if (std::fflush(pending) != 0 || std::ferror(pending))
            return failed(Outcome::TargetFailed, std::strerror(errno != 0 ? errno : EIO));
    }

    std::string reason;
    if (!workbook.Close(reason)) return failed(Outcome::TargetFailed, reason);
    if (!file.Commit()) return failed(Outcome::TargetFailed, file.Error());
    result.path = targetPath;
    return result;
}
