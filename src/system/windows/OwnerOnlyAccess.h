#pragma once
#include <windows.h>

#include <memory>

namespace Tabulon {

namespace System::Windows {

// Security attributes that let the current user alone at a new file, as a
// file of mode 0600 is elsewhere; whatever the folder would pass on is not
// inherited.
class OwnerOnlyAccess {
  public:
    // False with errno when the user's identity cannot be read.
    bool Make();
    SECURITY_ATTRIBUTES* Attributes() { return &attributes_; }

  private:
    std::unique_ptr<char[]> user_;
    std::unique_ptr<char[]> list_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
};

}  // namespace System::Windows

}  // namespace Tabulon
