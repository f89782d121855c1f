#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace Tabulon {

// A temporary folder removed with all its contents when the test ends.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // A path in the folder, in UTF-8.
    std::string File(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

// Each line ending with CR LF.
std::string ReportText(const std::vector<std::string>& lines);

}  // namespace Tabulon
