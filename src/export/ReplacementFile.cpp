#include "export/ReplacementFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

ReplacementFile::~ReplacementFile() {
    Discard();
}

bool ReplacementFile::Create(const std::string& targetPath) {
    Discard();
    targetPath_ = targetPath;
    const fs::path target(targetPath);
    std::error_code ec;
    // Found out before the rows are written rather than at the rename.
    if (targetPath.empty() || fs::is_directory(target, ec)) {
        error_ = std::strerror(targetPath.empty() ? ENOENT : EISDIR);
        return false;
    }
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate =
            target.parent_path() /
            ("." + target.filename().string() + "." + std::to_string(random() % 1000000) + ".tmp");
        // "x": never take over a file someone else has just created.
        std::FILE* file = std::fopen(candidate.string().c_str(), "wbx");
        if (file) {
            std::fclose(file);
            temporaryPath_ = candidate.string();
            return true;
        }
        if (errno != EEXIST) break;
    }
    error_ = std::strerror(errno);
    return false;
}

bool ReplacementFile::Commit() {
    if (temporaryPath_.empty()) return false;
    std::error_code ec;
    fs::rename(temporaryPath_, targetPath_, ec);
    if (ec) {
        error_ = ec.message();
        Discard();
        return false;
    }
    temporaryPath_.clear();
    return true;
}

void ReplacementFile::Discard() {
    if (temporaryPath_.empty()) return;
    std::error_code ignored;
    fs::remove(temporaryPath_, ignored);
    temporaryPath_.clear();
}
