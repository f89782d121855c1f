#include "platform/PrivateRuntimeFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/PartFileRegistry.h"

namespace Tabulon {

PrivateRuntimeFolder::PrivateRuntimeFolder() {
#ifndef _WIN32
    const char* named = std::getenv("XDG_RUNTIME_DIR");
    if (named && *named) return;
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    std::string pattern =
        ((error ? std::filesystem::path("/tmp") : temporary) / "tabulon-runtime-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp makes the folder 0700 and never through an existing name.
    if (!mkdtemp(name.data())) return;
    path_ = name.data();
    slot_ = PartFileRegistry::Add(path_.c_str());
    setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
#endif
}

PrivateRuntimeFolder::~PrivateRuntimeFolder() {
    if (path_.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    PartFileRegistry::Forget(slot_);
}

}  // namespace Tabulon
