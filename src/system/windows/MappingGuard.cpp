#include "system/Mapping.h"

namespace Tabulon {

// Windows refuses to cut a file short while a view of it is mapped, so a
// mapping there needs no guard and is never cut.
namespace System {

int GuardMapping(void*, size_t) {
    return 0;
}

void UnguardMapping(int) {}

bool MappingWasCut(int) {
    return false;
}

}  // namespace System

}  // namespace Tabulon
