#include "TestSupport.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace Tabulon {

namespace fs = std::filesystem;

// Paths are UTF-8 inside the program on every system; a narrow path given to
// the standard library means the ANSI code page on Windows.
static fs::path Utf8Path(const std::string& path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

std::string TempDir::File(const std::string& name) const {
    const std::u8string path = (path_ / Utf8Path(name)).u8string();
    return std::string(path.begin(), path.end());
}

// A fresh name, since creating a folder never takes one that is there.
TempDir::TempDir() {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const fs::path name =
            fs::temp_directory_path() / ("tabulon-test-" + std::to_string(random()));
        if (fs::create_directory(name)) path_ = name;
    }
    if (path_.empty()) throw std::runtime_error("cannot create a folder for the test");
    // As a folder made the usual way, for helpers of other users.
    fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReportText(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace Tabulon
