#pragma once

namespace Tabulon {
class PrintHost;

// The print job: menu "Yazdır", toolbar button 1 and Ctrl+P.
void PrintReport(PrintHost& host);

}  // namespace Tabulon
