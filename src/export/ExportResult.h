#pragma once
#include <string>

// How an export ended. A failure names the file the user chose and the
// system's reason, which the window and tabulon-export show as they are.
struct ExportResult {
    bool ok = true;
    std::string path;
    std::string reason;
    // Stopped by the user: not ok, but nothing to report either.
    bool cancelled = false;

    static ExportResult Failure(std::string path, std::string reason) {
        return {false, std::move(path), std::move(reason)};
    }
    static ExportResult Cancelled(std::string path) {
        return {false, std::move(path), "İptal edildi.", true};
    }
    // The text shown to the user when the file could not be saved.
    std::string Message() const { return "Dosya kaydedilemedi:\n" + path + "\n" + reason; }
};
