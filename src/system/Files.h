#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace Tabulon {

// What the engine asks of the operating system about files, in one place, so
// that the rest of the program is the same on every system. Paths are UTF-8.
// Files are known by small integer descriptors on every system (on Windows the
// C library's, each wrapping a handle). A call that fails returns -1 or false
// and leaves the system's reason in errno, as an errno value on every system,
// so callers word failures the same way everywhere.
namespace System {

enum class FileKind { Missing, Regular, Folder, Other };

// A file's identity, size and time: two looks that agree on all of them saw
// the same file, unchanged as far as the system can tell.
struct FileStatus {
    FileKind kind = FileKind::Missing;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNanoseconds = 0;  // since 1970-01-01 UTC
};

// The status of what a path names, links followed; false with errno when
// there is nothing there or it cannot be looked at.
[[nodiscard]] bool StatusOf(const std::string& path, FileStatus& status);
[[nodiscard]] bool StatusOf(int fd, FileStatus& status);

// A new file at exactly `path`, read-write and the user's alone: never an
// existing file, never through a link planted under the name. A temporary one
// loses its name at once where the system allows it, or when it is closed.
[[nodiscard]] int CreateExclusive(const std::string& path, bool temporary);
// A new file in `folder` that never has a name; -1 with errno where the
// system cannot make one, and the caller names one with CreateExclusive.
[[nodiscard]] int CreateNameless(const std::string& folder);
// Opens a file to read without ever waiting in the open (a FIFO without a
// writer, a device); the descriptor then reads as usual.
[[nodiscard]] int OpenForReading(const std::string& path);
void Close(int fd);
// Removes a file's name, or a folder that is empty; safe inside a signal
// handler, and leaves errno as it was.
void Remove(const char* path);

// Bytes read into `data` at the descriptor's position: 0 at the end.
[[nodiscard]] int64_t ReadSome(int fd, char* data, size_t size);
// Up to `size` bytes from `offset`, fewer only at the end of the file. Reads
// by position never disturb each other or the writing, from any thread.
[[nodiscard]] int64_t ReadAt(int fd, char* data, size_t size, int64_t offset);
// All of `data` at the end of the file, or -1.
[[nodiscard]] int64_t Append(int fd, const char* data, size_t size);

// A buffered stream writing to the file through a copy of its descriptor;
// the caller keeps its own.
[[nodiscard]] std::FILE* OpenStream(int fd);

// The bytes an unprivileged user may still write in the folder's filesystem.
[[nodiscard]] bool FreeSpace(const std::string& folder, int64_t& bytes);
// The largest file this process may write, where the system sets it a limit;
// false where there is none.
[[nodiscard]] bool FileSizeLimit(int64_t& bytes);

}  // namespace System

}  // namespace Tabulon
