#include "core/WorkFilePrefix.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

int32_t MainThreadId() {
#ifdef _WIN32
    return static_cast<int32_t>(GetCurrentThreadId());
#else
    // On Linux the main thread's id is the process id.
    return static_cast<int32_t>(getpid());
#endif
}

}  // namespace

std::string WorkFilePrefix(ReportModel& model, const SystemErrorSink& onError) {
    model.AppThreadId = MainThreadId();
    const std::string id = std::to_string(model.AppThreadId);
    std::error_code error;
    std::filesystem::path dir = std::filesystem::temp_directory_path(error);
    if (error || dir.empty()) {
        if (onError) onError("Sistem Hatası.\nWindows temporary directory bulunamadı");
        return (std::filesystem::path(".") / id).string();
    }
    std::string prefix = dir.string();
    if (prefix.back() != '/' && prefix.back() != '\\')
        prefix += static_cast<char>(std::filesystem::path::preferred_separator);
    return prefix + id;
}

std::string RowStorePath(ReportModel& model, const SystemErrorSink& onError) {
    return WorkFilePrefix(model, onError) + "BUFFILE.DAT";
}
