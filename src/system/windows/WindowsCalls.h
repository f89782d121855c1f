#pragma once
#include <windows.h>

#include <string>

namespace Tabulon {

// What the Windows side of the seam shares: UTF-16 names, the C library's
// descriptors over handles, and errno values for the system's errors.
namespace System::Windows {

std::wstring Wide(const std::string& utf8);
// The handle a descriptor wraps; INVALID_HANDLE_VALUE for none.
HANDLE HandleOf(int fd);
// A descriptor taking over the handle (closed when it is); -1 with errno.
int DescriptorOf(HANDLE handle, int flags);
// Sets errno from the thread's last error and returns false.
bool Failed();
// The same, returning -1.
int FailedCall();

}  // namespace System::Windows

}  // namespace Tabulon
