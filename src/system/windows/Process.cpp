#include "system/Process.h"

#include <atomic>

#include "system/windows/WindowsCalls.h"

namespace Tabulon {

namespace System {

namespace {

void (*cleanupOnEnd)() = nullptr;
std::atomic<int> holds{0};

// Runs on a thread of its own; answering FALSE lets the next handler, the
// system's, end the program as it would have.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT ||
        event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        // The handler has a thread of its own, so it can wait for the holds.
        while (holds > 0) Sleep(10);
        if (cleanupOnEnd) cleanupOnEnd();
    }
    return FALSE;
}

}  // namespace

void OnTermination(void (*cleanup)()) {
    cleanupOnEnd = cleanup;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void HoldTermination() {
    ++holds;
}

void ReleaseTermination() {
    --holds;
}

int MainThreadId() {
    return static_cast<int>(GetCurrentThreadId());
}

}  // namespace System

}  // namespace Tabulon
