#pragma once
#include <QPixmap>

namespace Tabulon {

// The 20 x 20 pictures of the eight toolbar buttons, drawn in code on a
// transparent background: 0 red X, 1 printer, 2 sheet with a green grid,
// 3 and 4 a page with a red arrow pointing left and right, 5 to 7 the zoom
// texts "%100", "%75", "%50". Drawn at the given pixel ratio for sharp screens.
QPixmap ToolbarIcon(int index, qreal pixelRatio = 1.0);

}  // namespace Tabulon
