#pragma once

namespace Tabulon {

namespace System {

// Runs `cleanup` when the program is told to end (TERM, INT, HUP; the
// console's close and break on Windows), then ends it as it would have been.
// A signal the program was started to ignore stays ignored. `cleanup` may
// only do what is safe inside a signal handler.
void OnTermination(void (*cleanup)());
// The id of the program's main thread, called from it: the process id where
// the two are the same.
int MainThreadId();

}  // namespace System

}  // namespace Tabulon
