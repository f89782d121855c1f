#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace Tabulon {

// How an export ended. A failure names the file the user chose and the
// system's reason; the windows and tabulon-export word it for the user.
struct ExportResult {
    enum class Outcome {
        Saved,
        Cancelled,       // stopped by the user: nothing to report
        TargetFailed,    // the file could not be created or written
        RowsUnreadable,  // the row store could not be read
        TooManyRows,     // more rows than a sheet holds; `rows` says how many
    };
    Outcome outcome = Outcome::Saved;
    std::string path;
    std::string reason;
    int64_t rows = 0;
    // The field count of the last row written: the titles and totals rows
    // shown next follow it.
    std::optional<int> lastFieldCount;

    bool ok() const { return outcome == Outcome::Saved; }
    bool cancelled() const { return outcome == Outcome::Cancelled; }

    static ExportResult Failure(Outcome outcome, std::string path, std::string reason) {
        ExportResult result;
        result.outcome = outcome;
        result.path = std::move(path);
        result.reason = std::move(reason);
        return result;
    }
};

}  // namespace Tabulon
