#include "input/LoadReport.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>

#include "core/DecimalNumber.h"
#include "core/Rounding.h"
#include "core/TextEncoding.h"
#include "input/RowStore.h"
#include "input/SplitFields.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

void ResetDescription(ReportModel& model) {
    for (auto& line : model.HeaderLines) line.clear();
    for (int c = 1; c <= ReportModel::DescribedColumns; ++c) {
        model.ColumnTitles[c].clear();
        model.ColumnFormats[c].clear();
        model.ColumnTotalFlags[c] = false;
        model.ColumnWidths[c] = 0;
        model.MeasuredWidths[c] = 0;
    }
    model.PageTotals.Clear();
    model.RowCount = 0;
    model.HeaderCount = 0;
}

void ApplyFormatLetter(ReportModel& model, int c) {
    const std::string& field = model.Fields[c];
    if (field.empty()) return;
    switch (field[0]) {
        case 'Z':
            // As many zeros as the width in force; a negative width gives none.
            model.ColumnFormats[c] =
                std::string(model.ColumnWidths[c] > 0 ? model.ColumnWidths[c] : 0, '0');
            model.ColumnKinds[c] = KindNumber;
            break;
        case 'N':
        case 'F':
            model.ColumnFormats[c] = "#,##0";
            model.ColumnKinds[c] = KindNumber;
            break;
        case '1':
            model.ColumnFormats[c] = "#,##0.0";
            model.ColumnKinds[c] = KindNumber;
            break;
        case '2':
            model.ColumnFormats[c] = "#,##0.00";
            model.ColumnKinds[c] = KindNumber;
            break;
        case '3':
            model.ColumnFormats[c] = "#,##0.000";
            model.ColumnKinds[c] = KindNumber;
            break;
        case 'C':
            model.ColumnFormats[c] = "#,##0.00;(#,##0.00)";
            model.ColumnKinds[c] = KindAmount;
            break;
        case 'T':
            model.ColumnFormats[c] = "@";
            model.ColumnKinds[c] = KindText;
            break;
        default:
            break;
    }
}

// Returns false when the row store could not take the record.
bool ApplyLine(ReportModel& model, const std::string& line, int& headerCounter, RowStore& store) {
    if (line.empty() || line[0] < '1' || line[0] > '9') return true;
    const int type = line[0] - '0';
    const std::string_view payload = std::string_view(line).substr(1);
    constexpr int Columns = ReportModel::DescribedColumns;
    switch (type) {
        case 1:
            if (headerCounter < std::numeric_limits<int16_t>::max()) ++headerCounter;
            model.HeaderCount = static_cast<int16_t>(headerCounter);
            if (headerCounter <= ReportModel::MaxHeaderLines)
                model.HeaderLines[headerCounter] = payload;
            break;
        case 2:
            SplitFields(model, payload);
            for (int c = 1; c <= Columns; ++c) model.ColumnTitles[c] = model.Fields[c];
            break;
        case 3:
            SplitFields(model, payload);
            for (int c = 1; c <= Columns; ++c)
                model.ColumnWidths[c] =
                    ClampToInt16(ReadLeadingInteger(TrimSpaces(model.Fields[c])));
            break;
        case 4:
            SplitFields(model, payload);
            for (int c = 1; c <= Columns; ++c)
                if (TrimSpaces(model.Fields[c]).substr(0, 2) == "++")
                    model.ColumnTotalFlags[c] = true;
            break;
        case 5:
            SplitFields(model, payload);
            for (int c = 1; c <= Columns; ++c) ApplyFormatLetter(model, c);
            break;
        case 9:
            SplitFields(model, payload);
            if (model.RowCount == std::numeric_limits<int32_t>::max()) break;
            if (!store.Append(payload)) return false;
            ++model.RowCount;
            break;
        default:
            break;
    }
    return true;
}

void DeriveFinalWidths(ReportModel& model) {
    for (int c = 1; c <= ReportModel::DescribedColumns; ++c) {
        const int measured = model.MeasuredWidths[c];
        int width = model.ColumnKinds[c] == KindAmount ? RoundHalfEven(measured / 2.5 + measured)
                                                       : measured;
        if (width > 50) width = 50;
        model.ColumnWidths[c] = static_cast<int16_t>(width);
    }
}

}  // namespace

LoadResult LoadReport(ReportModel& model, const std::string& reportPath,
                      const std::string& rowStorePath, const ProgressCallback& progress) {
    ResetDescription(model);

    // The report is opened before the row store is created, so a report that
    // cannot be read leaves no working file behind.
    FilePtr report;
    if (!reportPath.empty()) report.reset(std::fopen(reportPath.c_str(), "rb"));
    if (!report) {
        return {LoadResult::Failure::ReportUnreadable, reportPath,
                reportPath.empty() ? "dosya adı verilmedi" : std::strerror(errno)};
    }
    // A folder opens like a file here and fails only on the first read, which
    // would come after the row store has been created.
    if (std::filesystem::is_directory(reportPath))
        return {LoadResult::Failure::ReportUnreadable, reportPath, std::strerror(EISDIR)};

    RowStore store;
    if (!store.Create(rowStorePath))
        return {LoadResult::Failure::RowStoreUnwritable, rowStorePath, store.LastError()};

    // A line ends at CR (a following LF belongs to it); a lone LF does not end one.
    int headerCounter = 0;
    std::string raw;
    std::vector<char> buffer(1 << 16);
    bool afterCr = false;
    bool storeOk = true;
    auto finishLine = [&]() {
        if (storeOk) storeOk = ApplyLine(model, DecodeReportLine(raw), headerCounter, store);
        raw.clear();
    };
    int64_t fileSize = 0;
    if (progress && std::fseek(report.get(), 0, SEEK_END) == 0) {
        fileSize = std::ftell(report.get());
        std::rewind(report.get());
    }
    int64_t bytesRead = 0;
    size_t got = 0;
    while (storeOk && (got = std::fread(buffer.data(), 1, buffer.size(), report.get())) > 0) {
        bytesRead += static_cast<int64_t>(got);
        if (progress && !progress(bytesRead, std::max(fileSize, bytesRead))) {
            store.Close();
            return {LoadResult::Failure::Cancelled, reportPath, "İptal edildi."};
        }
        for (size_t i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (afterCr) {
                afterCr = false;
                if (c == '\n') continue;
            }
            if (c == '\r') {
                finishLine();
                afterCr = true;
            } else {
                raw.push_back(c);
            }
        }
    }
    if (std::ferror(report.get())) {
        const int error = errno;
        store.Close();
        return {LoadResult::Failure::ReportUnreadable, reportPath, std::strerror(error)};
    }
    if (!raw.empty()) finishLine();
    if (!store.Close() || !storeOk)
        return {LoadResult::Failure::RowStoreUnwritable, rowStorePath, store.LastError()};

    DeriveFinalWidths(model);
    return {};
}
