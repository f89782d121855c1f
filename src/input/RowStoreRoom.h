#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace Tabulon {

class ReportFile;

// Asks how many bytes may still be written in a folder; false when the
// system cannot tell.
using FreeSpaceQuery = std::function<bool(const std::string& folder, int64_t& bytes)>;

// What the working file of a report will take beside the room its folder has.
struct RowStoreRoom {
    int64_t needed = 0;  // bytes, estimated from the report's size
    int64_t free = -1;   // bytes; -1 when the system could not tell
    // A folder whose room is unknown is tried: writing then says whether it fits.
    bool Fits() const { return free < 0 || needed <= free; }
};

// The bytes of the working file of a report of `fileSize` bytes that begins
// with `sample` (its bytes as in the file): one record per data row, the rows
// counted in the sample and, for a file longer than the sample, taken as
// thick in the rest as in the sample.
int64_t EstimateRowStoreBytes(std::string_view sample, int64_t fileSize);

// Reads the report's first megabyte, without moving where the load reads,
// and asks `freeSpace` (the system when empty) about `folder`.
RowStoreRoom MeasureRowStoreRoom(ReportFile& report, const std::string& folder,
                                 const FreeSpaceQuery& freeSpace);

}  // namespace Tabulon
