#include "export/ExportDelimited.h"

#include <algorithm>
#include <cstddef>

#include "export/ReplacementFile.h"
#include "export/StdioFileOutput.h"
#include "input/RowStore.h"
#include "input/SplitFields.h"

namespace {

// Lines are gathered and handed to the output in blocks of about this size.
constexpr size_t BlockSize = 1 << 16;

void AppendField(std::string& block, const std::string& field, char separator,
                 bool commasToPoints) {
    const size_t start = block.size();
    block += field;
    if (commasToPoints)
        std::replace(block.begin() + static_cast<std::ptrdiff_t>(start), block.end(), ',', '.');
    block += separator;
}

}  // namespace

ExportResult ExportDelimited(ReportModel& model, const std::string& rowStorePath,
                             DelimitedFormat format, const std::string& targetPath,
                             const ProgressCallback& progress) {
    StdioFileOutput output;
    const char separator = format == DelimitedFormat::TabText ? '\t' : ',';
    const bool commasToPoints = format == DelimitedFormat::Csv;

    ReplacementFile file;
    if (!file.Create(targetPath)) return ExportResult::Failure(targetPath, file.Error());
    if (!output.Open(file.Descriptor())) return ExportResult::Failure(targetPath, output.Error());
    auto writeFailed = [&] {
        const std::string reason = output.Error();
        output.Close();
        return ExportResult::Failure(targetPath, reason);
    };

    std::string block;
    block.reserve(BlockSize + RowStore::RecordSize * 2);
    if (format != DelimitedFormat::Csv) {
        const int titles = std::clamp<int>(model.FieldCount, 0, ReportModel::MaxFields);
        for (int c = 1; c <= titles; ++c)
            AppendField(block, model.ColumnTitles[c], separator, false);
        block += "\r\n";
    }

    RowStore store;
    auto readFailed = [&] {
        const std::string reason = store.Path() + ": " + store.LastError();
        output.Close();
        return ExportResult::Failure(targetPath, reason);
    };
    if (!store.Open(rowStorePath)) return readFailed();
    std::string record;
    const int64_t rows = store.RecordCount();
    for (int64_t r = 1; r <= rows; ++r) {
        if (!ContinueAfterRow(progress, r, rows)) {
            output.Close();
            return ExportResult::Cancelled(targetPath);
        }
        if (!store.ReadNext(record)) return readFailed();
        SplitFields(model, record);
        for (int c = 1; c <= model.FieldCount; ++c)
            AppendField(block, model.Fields[c], separator, commasToPoints);
        block += "\r\n";
        if (block.size() >= BlockSize) {
            if (!output.Write(block)) return writeFailed();
            block.clear();
        }
    }
    store.Close();
    if (!block.empty() && !output.Write(block)) return writeFailed();
    if (!output.Close()) return ExportResult::Failure(targetPath, output.Error());
    if (!file.Commit()) return ExportResult::Failure(targetPath, file.Error());
    return {};
}
