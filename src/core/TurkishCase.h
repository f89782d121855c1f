#pragma once
#include <string>
#include <string_view>

namespace Tabulon {

// UTF-8 text in lower case by Turkish rules, for comparing without regard to
// case: I pairs with ı and İ with i, so "IRMAK" and "Irmak" fold alike while
// "irmak" does not; the other letters of Latin-1 and Latin Extended-A fold
// to their small forms. Everything else stays as it is.
std::string FoldTurkishCase(std::string_view utf8);

}  // namespace Tabulon
