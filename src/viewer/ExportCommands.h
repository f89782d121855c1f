#pragma once
class ReportWindow;

// The export commands of the "Farklı Kaydet" menu.
void DOS_01_01_01_Click(ReportWindow& window);  // spreadsheet workbook, toolbar button 2
void DOS_01_01_02_Click(ReportWindow& window);  // CSV
void DOS_01_02_Click(ReportWindow& window);     // comma-separated text
void DOS_01_03_Click(ReportWindow& window);     // tab-separated text
