#pragma once
#include <QString>

#include "core/DecimalNumber.h"

namespace Tabulon {

// A font size as typed into the size box: the number the trimmed text begins
// with, "." as the decimal point whatever the locale, 0 when there is none.
inline DecimalNumber ReadSizeText(const QString& text) {
    return ReadLeadingNumber(text.trimmed().toStdString());
}

}  // namespace Tabulon
