#include "system/Files.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>

#include "system/windows/OwnerOnlyAccess.h"
#include "system/windows/WindowsCalls.h"

namespace Tabulon {

namespace System {

using namespace System::Windows;

namespace {

// Other programs may read, write and remove a file while we hold it, as on
// any other system.
constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// One call reads or writes at most this much.
constexpr size_t Chunk = size_t{1} << 30;

int64_t Join(DWORD high, DWORD low) {
    return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
}

bool StatusOfHandle(HANDLE handle, FileStatus& status) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) return Failed();
    status.kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder
                  : GetFileType(handle) == FILE_TYPE_DISK            ? FileKind::Regular
                                                                     : FileKind::Other;
    status.device = info.dwVolumeSerialNumber;
    status.inode = static_cast<uint64_t>(Join(info.nFileIndexHigh, info.nFileIndexLow));
    status.size = Join(info.nFileSizeHigh, info.nFileSizeLow);
    // Tenths of microseconds since 1601.
    const int64_t ticks =
        Join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
    status.modifiedNanoseconds = (ticks - 116444736000000000) * 100;
    return true;
}

bool Overlapped(HANDLE handle, bool write, char* data, DWORD size, int64_t offset, DWORD& done) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
    return write ? WriteFile(handle, data, size, &done, &at)
                 : ReadFile(handle, data, size, &done, &at);
}

}  // namespace

bool StatusOf(const std::string& path, FileStatus& status) {
    status = FileStatus();
    // Backup semantics: a folder opens too, to be told apart.
    HANDLE handle = CreateFileW(Wide(path).c_str(), FILE_READ_ATTRIBUTES, ShareAll, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return Failed();
    const bool known = StatusOfHandle(handle, status);
    CloseHandle(handle);
    return known;
}

bool StatusOf(int fd, FileStatus& status) {
    status = FileStatus();
    return StatusOfHandle(HandleOf(fd), status);
}

int CreateExclusive(const std::string& path, bool temporary) {
    OwnerOnlyAccess access;
    if (!access.Make()) return -1;
    // CREATE_NEW never opens what is there, a link included.
    const DWORD flags =
        temporary ? FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE : FILE_ATTRIBUTE_NORMAL;
    HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE | WRITE_DAC,
                                ShareAll, access.Attributes(), CREATE_NEW, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return FailedCall();
    return DescriptorOf(handle, _O_RDWR | _O_BINARY);
}

int CreateNameless(const std::string&) {
    // Windows has no file without a name; CreateExclusive's temporary file
    // goes with its last handle.
    errno = ENOTSUP;
    return -1;
}

int OpenForReading(const std::string& path) {
    HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_READ, ShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return FailedCall();
    return DescriptorOf(handle, _O_RDONLY | _O_BINARY);
}

void Close(int fd) {
    _close(fd);
}

void Remove(const char* path) {
    const std::wstring wide = Wide(path);
    if (!DeleteFileW(wide.c_str())) RemoveDirectoryW(wide.c_str());
}

int64_t ReadSome(int fd, char* data, size_t size) {
    DWORD done = 0;
    if (!ReadFile(HandleOf(fd), data, static_cast<DWORD>(std::min(size, Chunk)), &done, nullptr))
        return GetLastError() == ERROR_BROKEN_PIPE ? 0 : FailedCall();
    return done;
}

int64_t ReadAt(int fd, char* data, size_t size, int64_t offset) {
    HANDLE handle = HandleOf(fd);
    size_t done = 0;
    while (done < size) {
        DWORD got = 0;
        const DWORD part = static_cast<DWORD>(std::min(size - done, Chunk));
        if (!Overlapped(handle, false, data + done, part, offset + static_cast<int64_t>(done),
                        got)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            return FailedCall();
        }
        if (got == 0) break;
        done += got;
    }
    return static_cast<int64_t>(done);
}

int64_t Append(int fd, const char* data, size_t size) {
    // Written at the end by position: a read by position moves a Windows
    // file's own position, which writing at it would then follow.
    HANDLE handle = HandleOf(fd);
    LARGE_INTEGER end{};
    if (!GetFileSizeEx(handle, &end)) return FailedCall();
    size_t done = 0;
    while (done < size) {
        DWORD put = 0;
        const DWORD part = static_cast<DWORD>(std::min(size - done, Chunk));
        if (!Overlapped(handle, true, const_cast<char*>(data + done), part,
                        end.QuadPart + static_cast<int64_t>(done), put))
            return FailedCall();
        if (put == 0) return -1;
        done += put;
    }
    return static_cast<int64_t>(done);
}

std::FILE* OpenStream(int fd) {
    const int copy = _dup(fd);
    if (copy < 0) return nullptr;
    std::FILE* stream = _fdopen(copy, "wb");
    if (!stream) {
        const int error = errno;
        _close(copy);
        errno = error;
    }
    return stream;
}

bool FreeSpace(const std::string& folder, int64_t& bytes) {
    ULARGE_INTEGER available{};
    if (!GetDiskFreeSpaceExW(Wide(folder).c_str(), &available, nullptr, nullptr)) return Failed();
    bytes = static_cast<int64_t>(available.QuadPart);
    return true;
}

// Windows sets a process no limit on the size of the files it writes.
bool FileSizeLimit(int64_t&) {
    return false;
}

}  // namespace System

}  // namespace Tabulon
