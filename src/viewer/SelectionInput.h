#pragma once

namespace Tabulon {
class FrmTabul;

// Gives the page canvas's mouse, the selection keys (Shift and an arrow) and
// the page's context menu to the window's selection: a click, drag or
// Shift+click on the page selects, a right click opens "Kopyala", "Sütunu
// Seç", "Tümünü Seç", "Bu Metni Bul", "Süz", "Süzgeci Kaldır" and the zoom and page commands.
void ConnectSelectionInput(FrmTabul& window);

}  // namespace Tabulon
