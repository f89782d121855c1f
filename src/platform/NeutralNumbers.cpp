#include "platform/NeutralNumbers.h"

#include <clocale>

namespace Tabulon {

void UseNeutralNumbersInTheCLibrary() {
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace Tabulon
