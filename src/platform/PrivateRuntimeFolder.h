#pragma once
#include <string>

namespace Tabulon {

// Qt keeps sockets and locks in the user's runtime folder, named by
// XDG_RUNTIME_DIR, and warns on standard error when it is not set (a start
// from cron, a service, su). When it is missing the program makes one of its
// own: a fresh folder in the temporary folder, created 0700 under a name
// nobody could have taken before, and removes it with everything in it when
// the program ends normally (and when empty, on TERM, INT and HUP too). A runtime folder that is
// set is used as it is, so Qt's other warnings still reach the user.
class PrivateRuntimeFolder {
  public:
    PrivateRuntimeFolder();
    ~PrivateRuntimeFolder();
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

    // The folder made; empty when the environment named one already.
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    int slot_ = -1;  // listed for removal on TERM, INT and HUP
};

}  // namespace Tabulon
