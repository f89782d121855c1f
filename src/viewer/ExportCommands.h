#pragma once

namespace Tabulon {
class ReportWindow;

// The export commands of the "Farklı Kaydet" menu.
void ExportSpreadsheet(ReportWindow& window);  // also toolbar button 2
void ExportCsv(ReportWindow& window);
void ExportCommaText(ReportWindow& window);
void ExportTabText(ReportWindow& window);

}  // namespace Tabulon
