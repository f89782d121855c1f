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

Outcome<ExportedRows> ExportDelimited(const RowStore& rows, const ReportLayout& layout,
                                      int titleCount, DelimitedFormat format,
                                      const std::string& targetPath,
                                      const ProgressCallback& progress) {
    StdioFileOutput output;
    const char separator = format == DelimitedFormat::TabText ? '\t' : ',';
    const bool commasToPoints = format == DelimitedFormat::Csv;

    ReplacementFile file;
    if (Outcome<> created = file.Create(targetPath); !created.Ok()) return created.Why();
    if (Outcome<> opened = output.Open(file.Descriptor(), targetPath); !opened.Ok())
        return opened.Why();

    std::string block;
    block.reserve(BlockSize + RowStore::RecordSize * 2);
    if (format != DelimitedFormat::Csv) {
        const int titles = std::clamp(titleCount, 0, ReportLayout::MaxFields);
        for (int c = 1; c <= titles; ++c) AppendField(block, layout.Title(c), separator, false);
        block += "\r\n";
    }

    ExportedRows result;
    bool written = true;
    Outcome<> read = ForEachRow(
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
    if (written && read.Ok() && !block.empty()) written = output.Write(block);
    Outcome<> closed = output.Close();  // says why a write failed
    if (!written) return closed.Why();
    if (!read.Ok()) return WhileSaving(read.Why(), targetPath);
    if (!closed.Ok()) return closed.Why();
    if (Outcome<> committed = file.Commit(); !committed.Ok()) return committed.Why();
    return result;
}

}  // namespace Tabulon
