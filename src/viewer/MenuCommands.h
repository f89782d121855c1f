#pragma once

namespace Tabulon {
class FrmTabul;

// Gives every menu item and toolbar button of the main window its command.
void ConnectMenuCommands(FrmTabul& window);

}  // namespace Tabulon
