#include "system/Replacing.h"

#include <aclapi.h>

#include "system/windows/WindowsCalls.h"

namespace Tabulon {

namespace System {

using namespace System::Windows;

namespace {

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The part file was the user's alone while it grew; finished, it takes what
// its folder passes on, as any new file there would.
void InheritFolderAccess(HANDLE file) {
    ACL empty{};
    if (!InitializeAcl(&empty, sizeof empty, ACL_REVISION)) return;
    SetSecurityInfo(file, SE_FILE_OBJECT,
                    DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                    nullptr, &empty, nullptr);
}

}  // namespace

// Links on Windows need privileges to make and are rare where reports are
// written: the name given is the one replaced.
bool FollowLinks(std::string&) {
    return true;
}

bool NameTaken(const std::string& path) {
    return Exists(Wide(path));
}

bool PutInPlace(int fd, const std::string& partPath, const std::string& finalPath) {
    HANDLE file = HandleOf(fd);
    // On disk before the name moves, so a crash cannot leave an empty file
    // where the older one was.
    if (!FlushFileBuffers(file)) return Failed();
    const std::wstring part = Wide(partPath), target = Wide(finalPath);
    // ReplaceFileW keeps the older file's access, attributes and identity.
    if (Exists(target) && ReplaceFileW(target.c_str(), part.c_str(), nullptr,
                                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return true;
    InheritFolderAccess(file);
    if (!MoveFileExW(part.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Failed();
    return true;
}

}  // namespace System

}  // namespace Tabulon
