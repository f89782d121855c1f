#pragma once

namespace Tabulon {

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

// Lists a path, before its file is created: a signal may come while the
// system creates it, before the program learns it succeeded. The caller
// lists only names that do not exist, so what a signal removes is ours (or
// not there yet). Returns the slot, or -1 when the path is too long or the
// table is full (that file is then not removed on a signal).
int Add(const char* path);
// Takes the path off the list, once the file was renamed or removed, or was
// never created.
void Forget(int slot);
// Removes every listed file, and every listed folder that is empty; safe
// inside a signal handler.
void RemoveAll();

}  // namespace PartFileRegistry

// Installs the handler for TERM, INT and HUP that removes the listed files
// and then ends the program by the same signal. A signal the program was
// started to ignore (nohup) stays ignored. Each program's main calls this
// first.
void RemovePartFilesOnTermination();

}  // namespace Tabulon
