#include "system/Process.h"

#include "system/windows/WindowsCalls.h"

namespace Tabulon {

namespace System {

namespace {

void (*cleanupOnEnd)() = nullptr;

// Runs on a thread of its own; answering FALSE lets the next handler, the
// system's, end the program as it would have.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT ||
        event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        if (cleanupOnEnd) cleanupOnEnd();
    return FALSE;
}

}  // namespace

void OnTermination(void (*cleanup)()) {
    cleanupOnEnd = cleanup;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

int MainThreadId() {
    return static_cast<int>(GetCurrentThreadId());
}

}  // namespace System

}  // namespace Tabulon
