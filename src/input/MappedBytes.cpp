#include "input/MappedBytes.h"

#include <array>
#include <atomic>
#include <utility>

#ifndef _WIN32
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32
// Windows keeps the copying reads.
MappedBytes::~MappedBytes() = default;
MappedBytes::MappedBytes(MappedBytes&&) noexcept = default;
MappedBytes& MappedBytes::operator=(MappedBytes&&) noexcept = default;
bool MappedBytes::Map(int, int64_t, size_t) {
    return false;
}
bool MappedBytes::Intact() const {
    return true;
}
void MappedBytes::Release() {}
#else

namespace {

// The mappings in use, for the bus error handler, which can reach nothing
// but atomics: a fixed table, no allocation, no lock. A thread maps at most
// one run at a time, so a few slots are plenty; with none free the caller
// reads instead.
struct Guarded {
    std::atomic<bool> taken{false};
    std::atomic<char*> begin{nullptr};  // on a page
    std::atomic<size_t> length{0};      // page-rounded: the mapping's last page ends there
    std::atomic<bool> cut{false};
};
std::array<Guarded, 32> guarded;
struct sigaction previousHandler {};

size_t PageSize() {
    static const size_t size = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return size;
}

// A bus error inside one of our mappings is the file having been cut under
// it: the rest of the mapping becomes zeros, the slot says so, and the
// interrupted read goes on. Any other bus error goes where it went before.
void OnBusError(int signal, siginfo_t* info, void* context) {
    const auto at = reinterpret_cast<uintptr_t>(info->si_addr);
    for (Guarded& slot : guarded) {
        char* const begin = slot.begin.load();
        const size_t length = slot.length.load();
        const auto from = reinterpret_cast<uintptr_t>(begin);
        if (!begin || at < from || at - from >= length) continue;
        const size_t offset = (at - from) & ~(PageSize() - 1);
        void* zeros = mmap(begin + offset, length - offset, PROT_READ,
                           MAP_FIXED | MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (zeros == MAP_FAILED) break;
        slot.cut.store(true);
        return;
    }
    if ((previousHandler.sa_flags & SA_SIGINFO) && previousHandler.sa_sigaction) {
        previousHandler.sa_sigaction(signal, info, context);
    } else if (previousHandler.sa_handler != SIG_DFL && previousHandler.sa_handler != SIG_IGN) {
        previousHandler.sa_handler(signal);
    } else {
        // The faulting access runs again on return and ends the program.
        ::signal(SIGBUS, SIG_DFL);
    }
}

bool GuardInstalled() {
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        return sigaction(SIGBUS, &action, &previousHandler) == 0;
    }();
    return installed;
}

int Guard(char* begin, size_t length) {
    for (size_t i = 0; i < guarded.size(); ++i) {
        bool expected = false;
        if (!guarded[i].taken.compare_exchange_strong(expected, true)) continue;
        const size_t page = PageSize();
        guarded[i].cut.store(false);
        guarded[i].length.store((length + page - 1) / page * page);
        guarded[i].begin.store(begin);
        return static_cast<int>(i);
    }
    return -1;
}

void Unguard(int slot) {
    Guarded& entry = guarded[static_cast<size_t>(slot)];
    entry.begin.store(nullptr);
    entry.length.store(0);
    entry.taken.store(false);
}

}  // namespace

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
        // Unguarded first: the handler must never take a freed range for ours.
        Unguard(slot_);
        munmap(base_, length_);
    }
    base_ = nullptr;
    length_ = 0;
    data_ = nullptr;
    slot_ = -1;
}

bool MappedBytes::Intact() const {
    return !base_ || !guarded[static_cast<size_t>(slot_)].cut.load();
}

bool MappedBytes::Map(int fd, int64_t offset, size_t size) {
    Release();
    // A mapping starts on a page; the bytes asked for start a little later.
    const auto skip = static_cast<size_t>(offset % static_cast<int64_t>(PageSize()));
    const size_t length = size + skip;
    const int64_t start = offset - static_cast<int64_t>(skip);
    // A file already shorter than the run is read instead, which reports it.
    struct stat info {};
    if (!GuardInstalled() || fstat(fd, &info) != 0 ||
        info.st_size < start + static_cast<int64_t>(length))
        return false;
    void* base = mmap(nullptr, length, PROT_READ, MAP_SHARED, fd, static_cast<off_t>(start));
    if (base == MAP_FAILED) return false;
    const int slot = Guard(static_cast<char*>(base), length);
    if (slot < 0) {
        munmap(base, length);
        return false;
    }
    // Read once, front to back: the system reads ahead and maps many pages
    // with each fault.
    madvise(base, length, MADV_SEQUENTIAL);
    base_ = base;
    length_ = length;
    data_ = static_cast<const char*>(base) + skip;
    slot_ = slot;
    return true;
}
#endif
