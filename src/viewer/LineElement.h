#pragma once
#include <QColor>
#include <cstdint>

namespace Tabulon {

// A straight line lying on a picture box, drawn over its picture but not part
// of it: moving or hiding it never disturbs what is drawn underneath.
struct LineElement {
    bool visible = true;
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips on the picture box
    QColor colour = Qt::black;
};

}  // namespace Tabulon
