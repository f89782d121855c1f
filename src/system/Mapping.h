#pragma once
#include <cstddef>
#include <cstdint>

namespace Tabulon {

namespace System {

// Maps `size` bytes of the file from `offset` (a multiple of
// MappingGranularity) to be read once, front to back; nullptr where the
// system cannot, or the file is shorter, and the caller reads them instead.
[[nodiscard]] void* MapForReading(int fd, int64_t offset, size_t size);
void Unmap(void* base, size_t size);
size_t MappingGranularity();

// Memory about to be filled once with a long text (a copy of a million rows)
// is better taken in large pages: a fault for every 4 KiB of it costs more
// than writing it. Only whole large pages inside the range are asked for;
// where the system has none, nothing changes.
void AdviseLargePages(void* base, size_t size);

// A mapping guarded against its file being cut shorter under it. Touching a
// byte past a file's new end would end the program (a bus error); inside a
// guarded mapping the lost part reads as zeros instead and the guard says it
// was cut, so the reader can throw away what it made of them. Guarded before
// anything is touched, unguarded before it is unmapped. -1 when no guard is
// free: the caller then reads instead of mapping.
[[nodiscard]] int GuardMapping(void* base, size_t size);
void UnguardMapping(int guard);
[[nodiscard]] bool MappingWasCut(int guard);

}  // namespace System

}  // namespace Tabulon
