#include "export/ExportDelimited.h"

#include <algorithm>
#include <cstddef>

#include "export/ReplacementFile.h"
#include "export/StdioFileOutput.h"
#include "input/SplitFields.h"

namespace {

// Lines are gathered and handed to the output in blocks of about this size.
constexpr size_t BlockSize = 1 << 16;
// Records read from the row store with one read: a megabyte.
constexpr int64_t RecordsPerRead = 2048;

void AppendField(std::string& block, std::string_view field, char separator, bool commasToPoints) {
    const size_t start = block.size();
    block += field;
    if (commasToPoints)
        std::replace(block.begin() + static_cast<std::ptrdiff_t>(start), block.end(), ',', '.');
    block += separator;
}

}  // namespace

ExportResult ExportDelimited(const RowStore& rows, const ReportLayout& layout, int titleCount,
                             DelimitedFormat format, const std::string& targetPath,
                             const ProgressCallback& progress) {
    using Outcome = ExportResult::Outcome;
    StdioFileOutput output;
    const char separator = format == DelimitedFormat::TabText ? '\t' : ',';
    const bool commasToPoints = format == DelimitedFormat::Csv;

    ReplacementFile file;
    if (!file.Create(targetPath))
        return ExportResult::Failure(Outcome::TargetFailed, targetPath, file.Error());
    if (!output.Open(file.Descriptor()))
        return ExportResult::Failure(Outcome::TargetFailed, targetPath, output.Error());
    auto writeFailed = [&] {
        const std::string reason = output.Error();
        output.Close();
        return ExportResult::Failure(Outcome::TargetFailed, targetPath, reason);
    };

    std::string block;
    block.reserve(BlockSize + RowStore::RecordSize * 2);
    if (format != DelimitedFormat::Csv) {
        const int titles = std::clamp(titleCount, 0, ReportLayout::MaxFields);
        for (int c = 1; c <= titles; ++c) AppendField(block, layout.Title(c), separator, false);
        block += "\r\n";
    }

    ExportResult result;
    RecordBlock records;
    std::string error;
    const int64_t count = rows.RecordCount();
    for (int64_t first = 1; first <= count; first += RecordsPerRead) {
        if (progress && !progress(first - 1, count)) {
            output.Close();
            return ExportResult::Failure(Outcome::Cancelled, targetPath, {});
        }
        if (!rows.Read(first, RecordsPerRead, records, error)) {
            output.Close();
            return ExportResult::Failure(Outcome::RowsUnreadable, targetPath, error);
        }
        for (std::string_view record : records.texts) {
            const int fields =
                ForEachField(record, ReportLayout::MaxFields, [&](int, std::string_view field) {
                    AppendField(block, field, separator, commasToPoints);
                });
            result.lastFieldCount = fields;
            block += "\r\n";
            if (block.size() >= BlockSize) {
                if (!output.Write(block)) return writeFailed();
                block.clear();
            }
        }
        if (!records.Intact(error)) {
            output.Close();
            return ExportResult::Failure(Outcome::RowsUnreadable, targetPath, error);
        }
    }
    if (!block.empty() && !output.Write(block)) return writeFailed();
    if (!output.Close())
        return ExportResult::Failure(Outcome::TargetFailed, targetPath, output.Error());
    if (!file.Commit())
        return ExportResult::Failure(Outcome::TargetFailed, targetPath, file.Error());
    result.path = targetPath;
    return result;
}
