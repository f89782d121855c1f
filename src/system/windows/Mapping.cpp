#include "system/Mapping.h"

#include "system/windows/WindowsCalls.h"

namespace Tabulon {

namespace System {

using namespace System::Windows;

void* MapForReading(int fd, int64_t offset, size_t size) {
    HANDLE file = HandleOf(fd);
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(file, &length) || length.QuadPart < offset + static_cast<int64_t>(size))
        return nullptr;
    HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping) return nullptr;
    // The view keeps the mapping alive after its handle is closed.
    void* view = MapViewOfFile(mapping, FILE_MAP_READ,
                               static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32),
                               static_cast<DWORD>(offset), size);
    CloseHandle(mapping);
    return view;
}

void Unmap(void* base, size_t) {
    UnmapViewOfFile(base);
}

// Large pages need a privilege that users seldom have: small ones it is.
void AdviseLargePages(void*, size_t) {}

size_t MappingGranularity() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return info.dwAllocationGranularity;
}

}  // namespace System

}  // namespace Tabulon
