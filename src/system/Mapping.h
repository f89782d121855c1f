#pragma once
#include <cstddef>
#include <cstdint>

namespace System {

// Maps `size` bytes of the file from `offset` (a multiple of
// MappingGranularity) to be read once, front to back; nullptr where the
// system cannot, or the file is shorter, and the caller reads them instead.
void* MapForReading(int fd, int64_t offset, size_t size);
void Unmap(void* base, size_t size);
size_t MappingGranularity();

}  // namespace System
