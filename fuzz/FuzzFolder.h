#pragma once
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace Tabulon {

// The folder a fuzzing process writes its report and exports into: one per
// process, made on first use under the temporary folder and removed with
// everything in it when the process ends normally (libFuzzer ends with exit()
// after a timed run, so the destructor runs). The row store needs no cleaning:
// it has no name.
class FuzzFolder {
  public:
    static const std::string& Path() { return Instance().path_; }
    static std::string File(const std::string& name) { return Path() + "/" + name; }

    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

  private:
    FuzzFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tabulon-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = pattern;
    }
    ~FuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    static FuzzFolder& Instance() {
        static FuzzFolder folder;
        return folder;
    }

    std::string path_;
};

// Writes the bytes as a file in the folder and returns its path.
inline std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
    std::string path = FuzzFolder::File(name);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    if (std::fclose(file) != 0) std::abort();
    return path;
}

}  // namespace Tabulon
