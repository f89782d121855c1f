#include "input/RowStoreRoom.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "input/ReportFile.h"
#include "input/ReportTranscoder.h"
#include "input/RowStore.h"
#include "system/Files.h"

namespace Tabulon {

namespace {

// As much as the loader reads at once: a report up to this size is counted
// exactly, a larger one from some twenty thousand rows of its beginning.
constexpr size_t SampleSize = 1 << 20;

// Data rows are the lines that start with "9"; a line ends at CR, and an LF
// right after the CR belongs to it, as the loader cuts them.
int64_t CountDataRows(std::string_view text) {
    int64_t rows = 0;
    size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '9') ++rows;
        const void* cr = std::memchr(text.data() + at, '\r', text.size() - at);
        if (!cr) break;
        at = static_cast<size_t>(static_cast<const char*>(cr) - text.data()) + 1;
        if (at < text.size() && text[at] == '\n') ++at;
    }
    return rows;
}

}  // namespace

int64_t EstimateRowStoreBytes(std::string_view sample, int64_t fileSize) {
    // The transcoder makes a UTF-16 report's lines look like any other's; the
    // rows are then counted per byte of the file as it is.
    ReportTranscoder text;
    double rows = static_cast<double>(CountDataRows(text.Block(sample)));
    if (!sample.empty() && fileSize > static_cast<int64_t>(sample.size()))
        rows *= static_cast<double>(fileSize) / static_cast<double>(sample.size());
    // The loader keeps no more rows than a 32-bit row number reaches.
    rows = std::min(rows, static_cast<double>(std::numeric_limits<int32_t>::max()));
    return static_cast<int64_t>(rows) * static_cast<int64_t>(RowStore::RecordSize);
}

RowStoreRoom MeasureRowStoreRoom(ReportFile& report, const std::string& folder,
                                 const FreeSpaceQuery& freeSpace) {
    std::string_view sample;
    RowStoreRoom room;
    // An unreadable start is left for the load to report with its reason.
    if (!report.Peek(static_cast<size_t>(std::clamp<int64_t>(report.Size(), 0, SampleSize)),
                     sample))
        return room;
    room.needed = EstimateRowStoreBytes(sample, report.Size());
    int64_t bytes = 0;
    const bool known = freeSpace ? freeSpace(folder, bytes) : System::FreeSpace(folder, bytes);
    if (known) room.free = bytes;
    return room;
}

}  // namespace Tabulon
