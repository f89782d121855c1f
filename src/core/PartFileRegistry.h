#pragma once

// The files being written under a temporary name beside the file they will
// replace. A TERM, INT or HUP would end the program with such a file left in
// the user's folder; the handler that RemovePartFilesOnTermination installs
// removes every file listed here first, then lets the signal end the program
// as it would have.
//
// A signal handler reaches nothing but process-wide storage, so this is one
// fixed table of paths guarded by atomics: listing a file allocates nothing
// and takes no lock, and the handler reads nothing else. It is touched once
// when a file is created and once when it is renamed or removed, never per
// row.
namespace PartFileRegistry {

// Lists a path before the file is created; the handler leaves it alone until
// MarkCreated, so a name that turns out to be taken by someone else's file is
// never removed. Returns the slot, or -1 when the path is too long or the
// table is full (that file is then not removed on a signal).
int Reserve(const char* path);
// The file now exists and is ours: a signal removes it from here on.
void MarkCreated(int slot);
// Takes the path off the list, once the file was renamed or removed.
void Forget(int slot);
// Removes every created file on the list; safe inside a signal handler.
void RemoveAll();

}  // namespace PartFileRegistry

// Installs the handler for TERM, INT and HUP that removes the listed files
// and then ends the program by the same signal. A signal the program was
// started to ignore (nohup) stays ignored. Each program's main calls this
// first.
void RemovePartFilesOnTermination();
