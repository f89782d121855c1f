#pragma once
#include <string>

namespace Tabulon {

// Putting a finished file in the place of an older one.
namespace System {

// The file a chain of links at `path` ends at (`path` itself when it is no
// link or does not exist yet); false with errno when the chain may not be
// followed or never ends.
[[nodiscard]] bool FollowLinks(std::string& path);
// Whether anything, a dangling link included, has this name.
[[nodiscard]] bool NameTaken(const std::string& path);
// Puts the complete file open as `fd` under `partPath` in the place of
// `finalPath`: it gets the older file's permissions and owner where there
// was one, reaches the disk, then takes the name in one step. The caller
// still closes `fd`. False with errno, `partPath` left as it was.
[[nodiscard]] bool PutInPlace(int fd, const std::string& partPath, const std::string& finalPath);

}  // namespace System

}  // namespace Tabulon
