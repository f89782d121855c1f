#pragma once
#include "system/Process.h"

namespace Tabulon {

// Holds the program's end for as long as it lives (see HoldTermination).
class TerminationHeld {
  public:
    TerminationHeld() { System::HoldTermination(); }
    ~TerminationHeld() { System::ReleaseTermination(); }
    TerminationHeld(const TerminationHeld&) = delete;
    TerminationHeld& operator=(const TerminationHeld&) = delete;
};

}  // namespace Tabulon
