#include <signal.h>
#include <sys/mman.h>

#include <array>
#include <atomic>
#include <cstdint>

#include "system/Mapping.h"

namespace Tabulon {

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
    return System::MappingGranularity();
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

int GuardSlot(char* begin, size_t length) {
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

void FreeSlot(int slot) {
    Guarded& entry = guarded[static_cast<size_t>(slot)];
    entry.begin.store(nullptr);
    entry.length.store(0);
    entry.taken.store(false);
}

}  // namespace

namespace System {

int GuardMapping(void* base, size_t size) {
    if (!GuardInstalled()) return -1;
    return GuardSlot(static_cast<char*>(base), size);
}

void UnguardMapping(int guard) {
    if (guard >= 0) FreeSlot(guard);
}

bool MappingWasCut(int guard) {
    return guard >= 0 && guarded[static_cast<size_t>(guard)].cut.load();
}

}  // namespace System

}  // namespace Tabulon
