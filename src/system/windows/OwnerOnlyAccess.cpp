#include "system/windows/OwnerOnlyAccess.h"

#include "system/windows/WindowsCalls.h"

namespace Tabulon {

namespace System::Windows {

bool OwnerOnlyAccess::Make() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return Failed();
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    user_ = std::make_unique<char[]>(size);
    const bool known = GetTokenInformation(token, TokenUser, user_.get(), size, &size);
    CloseHandle(token);
    if (!known) return Failed();
    PSID sid = reinterpret_cast<TOKEN_USER*>(user_.get())->User.Sid;
    const DWORD listSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid);
    list_ = std::make_unique<char[]>(listSize);
    auto* list = reinterpret_cast<ACL*>(list_.get());
    if (!InitializeAcl(list, listSize, ACL_REVISION) ||
        !AddAccessAllowedAce(list, ACL_REVISION, FILE_ALL_ACCESS, sid) ||
        !InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor_, TRUE, list, FALSE) ||
        !SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED))
        return Failed();
    attributes_ = {sizeof attributes_, &descriptor_, FALSE};
    return true;
}

}  // namespace System::Windows

}  // namespace Tabulon
