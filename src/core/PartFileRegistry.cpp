#include "core/PartFileRegistry.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace {

// One export, one PDF from the print job and a spare or two are the most
// that are ever written at once.
constexpr int SlotCount = 8;
// Linux refuses longer paths, so no file we can create is cut short here.
constexpr size_t MaxPath = 4096;

// A slot being filled is skipped by the handler until its path is whole.
enum SlotState : int { Free, Filling, Listed };

struct Slot {
    std::atomic<int> state{Free};
    char path[MaxPath];
};

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slot states");

Slot slots[SlotCount];

bool ValidSlot(int slot) {
    return slot >= 0 && slot < SlotCount;
}

void OnTerminatingSignal(int signal) {
    PartFileRegistry::RemoveAll();
    // The signal is blocked while its handler runs; raised again with the
    // default action, it ends the program as soon as the handler returns, so
    // whoever started it sees the signal, not an exit status.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

}  // namespace

int PartFileRegistry::Add(const char* path) {
    const size_t length = std::strlen(path);
    if (length >= MaxPath) return -1;
    for (int i = 0; i < SlotCount; ++i) {
        int expected = Free;
        if (!slots[i].state.compare_exchange_strong(expected, Filling, std::memory_order_acquire))
            continue;
        std::memcpy(slots[i].path, path, length + 1);
        slots[i].state.store(Listed, std::memory_order_release);
        return i;
    }
    return -1;
}

void PartFileRegistry::Forget(int slot) {
    if (ValidSlot(slot)) slots[slot].state.store(Free, std::memory_order_release);
}

// A listed folder (the program's own runtime folder) goes only when empty.
void PartFileRegistry::RemoveAll() {
    const int saved = errno;
    for (Slot& slot : slots)
        if (slot.state.load(std::memory_order_acquire) == Listed && unlink(slot.path) != 0 &&
            errno == EISDIR)
            rmdir(slot.path);
    errno = saved;
}

void RemovePartFilesOnTermination() {
    const int signals[] = {SIGTERM, SIGINT, SIGHUP};
    struct sigaction handler {};
    handler.sa_handler = OnTerminatingSignal;
    // A second signal waits until the first handler has cleaned up.
    sigemptyset(&handler.sa_mask);
    for (int signal : signals) sigaddset(&handler.sa_mask, signal);
    for (int signal : signals) {
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
        sigaction(signal, &handler, nullptr);
    }
}
