#include "system/Process.h"

#include <signal.h>
#include <unistd.h>

namespace Tabulon {

namespace System {

namespace {

void (*cleanupOnSignal)() = nullptr;

void OnTerminatingSignal(int signal) {
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

int MainThreadId() {
    // On Linux the main thread's id is the process id.
    return static_cast<int>(getpid());
}

}  // namespace System

}  // namespace Tabulon
