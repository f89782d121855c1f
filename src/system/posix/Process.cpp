#include "system/Process.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>

namespace Tabulon {

namespace System {

namespace {

void (*cleanupOnSignal)() = nullptr;
// Lock-free, so a handler may read and write them.
std::atomic<int> holds{0};
std::atomic<int> heldSignal{0};

void OnTerminatingSignal(int signal) {
    // Noted before the holds are looked at again: a release that came in
    // between has either seen the note and raises it, or left no hold and
    // this handler goes on.
    if (holds > 0) {
        heldSignal = signal;
        if (holds > 0) return;
    }
    if (cleanupOnSignal) cleanupOnSignal();
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

void OnTermination(void (*cleanup)()) {
    cleanupOnSignal = cleanup;
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

void HoldTermination() {
    ++holds;
}

void ReleaseTermination() {
    if (--holds == 0)
        if (const int signal = heldSignal.exchange(0)) raise(signal);
}

int MainThreadId() {
    // On Linux the main thread's id is the process id.
    return static_cast<int>(getpid());
}

}  // namespace System

}  // namespace Tabulon
