#pragma once
#include <QPixmap>

namespace Tabulon {

// The 30 x 30 pictures beside the orientation choice: a portrait page with its
// top-right corner folded, or a landscape page with its top-left corner folded.
QPixmap OrientationIcon(bool landscape);

}  // namespace Tabulon
