#include "core/WorkFilePrefix.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

int MainThreadId() {
#ifdef _WIN32
    return static_cast<int>(GetCurrentThreadId());
#else
    // On Linux the main thread's id is the process id.
    return static_cast<int>(getpid());
#endif
}

}  // namespace

WorkFilePlace WorkFilePrefix() {
    const std::string id = std::to_string(MainThreadId());
    std::error_code error;
    const std::filesystem::path dir = std::filesystem::temp_directory_path(error);
    if (error || dir.empty() || !std::filesystem::is_directory(dir, error))
        return {(std::filesystem::path(".") / id).string(), true};
    std::string prefix = dir.string();
    if (prefix.back() != '/' && prefix.back() != '\\')
        prefix += static_cast<char>(std::filesystem::path::preferred_separator);
    return {prefix + id, false};
}
