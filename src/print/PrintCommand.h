#pragma once
class PrintHost;

// The print job: menu "Yazdır" and toolbar button 1.
void DOS_05_Click(PrintHost& window);
