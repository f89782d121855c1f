#pragma once

namespace Tabulon {

// Creating the Qt application object sets the C library's locale from the
// environment, so in a Turkish session printf, strtod and every library built
// on them (the workbook writer among them) would write and read "2486,27".
// Numbers the user reads are formatted by the program's own NumberLocale, so
// the C library is put back to "C" numbers right after the application object
// exists. Dates, messages and character classes keep the user's locale.
void UseNeutralNumbersInTheCLibrary();

}  // namespace Tabulon
