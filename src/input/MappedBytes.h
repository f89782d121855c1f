#pragma once
#include <cstddef>
#include <cstdint>

namespace Tabulon {

// A read-only view of part of a file in memory, given back to the system
// when it is replaced or destroyed.
//
// A file cut shorter while it is mapped would end the program (SIGBUS) at
// the first byte touched past its new end. Instead the program's one bus
// error handler puts zeros in place of the lost bytes and marks the view as
// cut, so the caller, asking Intact() after using the bytes, reports a read
// error and throws away what it made of them.
class MappedBytes {
  public:
    MappedBytes() = default;
    ~MappedBytes();
    MappedBytes(MappedBytes&& other) noexcept;
    MappedBytes& operator=(MappedBytes&& other) noexcept;
    MappedBytes(const MappedBytes&) = delete;
    MappedBytes& operator=(const MappedBytes&) = delete;

    // Maps `size` bytes of the file from `offset` when the file holds them
    // all; false where the system cannot, and the caller reads them instead.
    bool Map(int fd, int64_t offset, size_t size);
    const char* Data() const { return data_; }
    // False once some of the bytes were lost to the file being cut short.
    bool Intact() const;
    void Release();

  private:
    void* base_ = nullptr;  // where the mapping starts, a page before data_ at most
    size_t length_ = 0;
    const char* data_ = nullptr;
    int slot_ = -1;  // where the bus error handler finds the mapping
};

}  // namespace Tabulon
