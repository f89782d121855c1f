#include "core/WorkFilePrefix.h"

#include <filesystem>
#include <system_error>

#include "system/Process.h"

namespace Tabulon {

WorkFilePlace WorkFilePrefix() {
    const std::string id = std::to_string(System::MainThreadId());
    std::error_code error;
    const std::filesystem::path dir = std::filesystem::temp_directory_path(error);
    if (error || dir.empty() || !std::filesystem::is_directory(dir, error))
        return {(std::filesystem::path(".") / id).string(), true};
    // UTF-8 on every system, as all paths inside the program.
    const std::u8string folder = dir.u8string();
    std::string prefix(folder.begin(), folder.end());
    if (prefix.back() != '/' && prefix.back() != '\\')
        prefix += static_cast<char>(std::filesystem::path::preferred_separator);
    return {prefix + id, false};
}

}  // namespace Tabulon
