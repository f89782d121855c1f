#include "platform/NeutralNumbers.h"

#include <clocale>

void UseNeutralNumbersInTheCLibrary() {
    std::setlocale(LC_NUMERIC, "C");
}
