#pragma once
#include <string>

// A new file written beside the target and renamed over it only once it is
// complete, so a failed export neither leaves half a file behind nor destroys
// an older file of the same name. Until Commit succeeds the destructor
// removes the temporary file.
class ReplacementFile {
  public:
    ReplacementFile() = default;
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates an empty temporary file in the target's folder; false with the
    // reason when the folder cannot take a file.
    bool Create(const std::string& targetPath);
    const std::string& TemporaryPath() const { return temporaryPath_; }
    // Replaces the target with the temporary file.
    bool Commit();
    // Removes the temporary file now.
    void Discard();

    const std::string& Error() const { return error_; }

  private:
    std::string targetPath_;
    std::string temporaryPath_;
    std::string error_;
};
