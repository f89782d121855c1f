#pragma once
class ReportWindow;

// "Rapor Başlıkları": the report headers dialog, then page 1 again.
void DOS_02_Click(ReportWindow& window);
// "Yazdırma Tercihleri": the page setup dialog, then page 1 again.
void DOS_04_Click(ReportWindow& window);
