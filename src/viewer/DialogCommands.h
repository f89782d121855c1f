#pragma once

namespace Tabulon {
class ReportWindow;

// "Rapor Başlıkları": the report headers dialog, then page 1 again.
void EditReportHeaders(ReportWindow& window);
// "Yazdırma Tercihleri": the page setup dialog, then page 1 again.
void EditPageSetup(ReportWindow& window);

}  // namespace Tabulon
