#include "system/Mapping.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Tabulon {

namespace System {

void* MapForReading(int fd, int64_t offset, size_t size) {
    // Bytes past the end of the file cannot be touched through a mapping
    // (the program would be killed): a file cut short by someone is read
    // instead, which reports it.
    struct stat info {};
    if (fstat(fd, &info) != 0 || info.st_size < offset + static_cast<int64_t>(size)) return nullptr;
    void* base = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, static_cast<off_t>(offset));
    if (base == MAP_FAILED) return nullptr;
    // Read once, front to back: the system reads ahead and maps many pages
    // with each fault.
    madvise(base, size, MADV_SEQUENTIAL);
    return base;
}

void Unmap(void* base, size_t size) {
    munmap(base, size);
}

void AdviseLargePages([[maybe_unused]] void* base, [[maybe_unused]] size_t size) {
#ifdef MADV_HUGEPAGE
    constexpr size_t Large = size_t{2} << 20;
    const size_t skip = (Large - reinterpret_cast<uintptr_t>(base) % Large) % Large;
    if (size <= skip) return;
    const size_t length = (size - skip) / Large * Large;
    // Only advice: where it is not taken, the memory is filled in small pages.
    if (length > 0) madvise(static_cast<char*>(base) + skip, length, MADV_HUGEPAGE);
#endif
}

size_t MappingGranularity() {
    static const size_t size = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return size;
}

}  // namespace System

}  // namespace Tabulon
