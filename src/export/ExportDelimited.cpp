#include "export/ExportDelimited.h"

#include <algorithm>
#include <cstddef>

#include "export/ReplacementFile.h"
#include "export/StdioFileOutput.h"
#include "input/ForEachRow.h"
#include "input/SplitFields.h"

namespace Tabulon {

namespace {

// Lines are gathered and handed to the output in blocks of about this size.
constexpr size_t BlockSize = 1 << 16;

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
    bool written = true;
    const RowPass pass = ForEachRow(
        rows, 1, rows.RecordCount(),
        [&](int64_t, std::string_view record) {
            result.lastFieldCount =
                ForEachField(record, ReportLayout::MaxFields, [&](int, std::string_view field) {
                    AppendField(block, field, separator, commasToPoints);
                });
            block += "\r\n";
            if (block.size() < BlockSize) return true;
            written = output.Write(block);
            block.clear();
            return written;
        },
        progress);
    if (!written) return writeFailed();
    if (pass.cancelled || !pass.ok) {
        output.Close();
        return ExportResult::Failure(pass.cancelled ? Outcome::Cancelled : Outcome::RowsUnreadable,
                                     targetPath, pass.error);
    }
    if (!block.empty() && !output.Write(block)) return writeFailed();
    if (!output.Close())
        return ExportResult::Failure(Outcome::TargetFailed, targetPath, output.Error());
    if (!file.Commit())
        return ExportResult::Failure(Outcome::TargetFailed, targetPath, file.Error());
    result.path = targetPath;
    return result;
}

}  // namespace Tabulon
