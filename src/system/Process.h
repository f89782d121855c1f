#pragma once

namespace Tabulon {

namespace System {

// Runs `cleanup` when the program is told to end (TERM, INT, HUP; the
// console's close and break on Windows), then ends it as it would have been.
// A signal the program was started to ignore stays ignored. `cleanup` may
// only do what is safe inside a signal handler.
void OnTermination(void (*cleanup)());
// While held (the holds count, from any thread), an end asked for waits, and
// comes as soon as the last hold is released: for a library that makes a
// temporary file and takes its name away a moment later, so that the end
// never falls between the two and leaves the file behind.
void HoldTermination();
void ReleaseTermination();
// The id of the program's main thread, called from it: the process id where
// the two are the same.
int MainThreadId();

}  // namespace System

}  // namespace Tabulon
