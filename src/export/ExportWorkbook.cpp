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
#include "input/RowStore.h"
#include "input/SplitFields.h"

namespace {

// The last row a sheet has; row 1 holds the titles.
constexpr int64_t MaxSheetRows = LXW_ROW_MAX;

void WriteField(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, uint8_t kind,
                const std::string& field, const NumberLocale& locale) {
    switch (kind) {
        case KindNumber:
        case KindAmount: {
            const auto number = ParseLocaleNumber(TrimSpaces(field), locale);
            if (!number) return;
            // A value beyond the double range would reach the sheet as "inf".
            const double value = number->ToDouble();
            if (std::isfinite(value)) worksheet_write_number(sheet, row, col, value, nullptr);
            return;
        }
        case KindText:
            if (!field.empty()) worksheet_write_string(sheet, row, col, field.c_str(), nullptr);
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

ExportResult ExportWorkbook(ReportModel& model, const std::string& rowStorePath,
                            const NumberLocale& locale, const std::string& targetPath,
                            const ProgressCallback& progress) {
    ReplacementFile file;
    if (!file.Create(targetPath)) return ExportResult::Failure(targetPath, file.Error());

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
            return ExportResult::Failure(
                targetPath, errno ? std::strerror(errno) : "çalışma kitabı başlatılamadı");
        format_set_bold(bold);
        const int titles = std::clamp<int>(model.FieldCount, 0, ReportModel::MaxFields);
        for (int c = 1; c <= titles; ++c)
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c - 1),
                                   model.ColumnTitles[c].c_str(), bold);
    }

    RowStore store;
    if (!store.Open(rowStorePath))
        return ExportResult::Failure(targetPath, store.Path() + ": " + store.LastError());
    if (store.RecordCount() > MaxSheetRows - 1)
        return ExportResult::Failure(
            targetPath, "Çalışma sayfası en çok " + std::to_string(MaxSheetRows - 1) +
                            " satır alır; raporda " + std::to_string(store.RecordCount()) +
                            " satır var.");
    std::string record;
    const int64_t rows = store.RecordCount();
    for (int64_t r = 1; r <= rows; ++r) {
        if (!ContinueAfterRow(progress, r, rows)) return ExportResult::Cancelled(targetPath);
        if (!store.ReadNext(record))
            return ExportResult::Failure(targetPath, store.Path() + ": " + store.LastError());
        SplitFields(model, record);
        StandardErrorSilenced quiet;
        for (int c = 1; c <= model.FieldCount; ++c)
            WriteField(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c - 1),
                       model.ColumnKinds[c], model.Fields[c], locale);
    }
    store.Close();

    // The library does not check its writes to the temporary file that holds
    // the rows, so a full temporary disk would silently cut the sheet short.
    if (std::FILE* rows = sheet->optimize_tmpfile) {
        errno = 0;
        if (std::fflush(rows) != 0 || std::ferror(rows))
            return ExportResult::Failure(targetPath, std::strerror(errno != 0 ? errno : EIO));
    }

    std::string reason;
    if (!workbook.Close(reason)) return ExportResult::Failure(targetPath, reason);
    if (!file.Commit()) return ExportResult::Failure(targetPath, file.Error());
    return {};
}
