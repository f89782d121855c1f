#pragma once
#include <string>

namespace Tabulon {

// A new file written beside the target and renamed over it only once it is
// complete, so a failed export neither leaves half a file behind nor destroys
// an older file of the same name.
//
// The target's links are followed to the file they lead to, which is the one
// replaced (a dangling link gets the file it names), so the links stay links.
// The temporary file ".NAME.NNNNNN.tmp" is created in that file's folder,
// exclusively and readable by the user alone; it takes the older file's
// permissions (or a plain new file's) only when it is complete. Until Commit
// succeeds the destructor removes it, and so does a TERM, INT or HUP.
class ReplacementFile {
  public:
    ReplacementFile() = default;
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the empty temporary file; false with the reason when there is
    // no file to write (a folder, a loop of links) or its folder cannot take
    // a new one.
    bool Create(const std::string& targetPath);
    const std::string& TemporaryPath() const { return temporaryPath_; }
    // The temporary file open for writing, for writers that take a
    // descriptor; writers that open TemporaryPath themselves reach the same
    // file.
    int Descriptor() const { return descriptor_; }
    // Gives the complete file its permissions and puts it in place; the data
    // written through any descriptor must be flushed by then.
    bool Commit();
    // Removes the temporary file now.
    void Discard();

    const std::string& Error() const { return error_; }

  private:
    bool Fail(int error);

    std::string finalPath_;  // the target, or the file its links lead to
    std::string temporaryPath_;
    int descriptor_ = -1;
    int slot_ = -1;  // in PartFileRegistry
    std::string error_;
};

}  // namespace Tabulon
