#include "input/MappedBytes.h"

#include <utility>

#include "system/Mapping.h"

namespace Tabulon {

MappedBytes::~MappedBytes() {
    Release();
}

MappedBytes::MappedBytes(MappedBytes&& other) noexcept {
    *this = std::move(other);
}

MappedBytes& MappedBytes::operator=(MappedBytes&& other) noexcept {
    if (this != &other) {
        Release();
        base_ = std::exchange(other.base_, nullptr);
        length_ = std::exchange(other.length_, 0);
        data_ = std::exchange(other.data_, nullptr);
        slot_ = std::exchange(other.slot_, -1);
    }
    return *this;
}

void MappedBytes::Release() {
    if (base_) {
        // Unguarded first: the guard must never take a freed range for ours.
        System::UnguardMapping(slot_);
        System::Unmap(base_, length_);
    }
    base_ = nullptr;
    length_ = 0;
    data_ = nullptr;
    slot_ = -1;
}

bool MappedBytes::Intact() const {
    return !base_ || !System::MappingWasCut(slot_);
}

bool MappedBytes::Map(int fd, int64_t offset, size_t size) {
    Release();
    // A mapping starts on the system's boundary; the bytes asked for start a
    // little later. A file already shorter than the run is read instead,
    // which reports it.
    const auto granularity = static_cast<int64_t>(System::MappingGranularity());
    const auto skip = static_cast<size_t>(offset % granularity);
    const size_t length = size + skip;
    void* base = System::MapForReading(fd, offset - static_cast<int64_t>(skip), length);
    if (!base) return false;
    const int slot = System::GuardMapping(base, length);
    if (slot < 0) {
        System::Unmap(base, length);
        return false;
    }
    base_ = base;
    length_ = length;
    data_ = static_cast<const char*>(base) + skip;
    slot_ = slot;
    return true;
}

}  // namespace Tabulon
