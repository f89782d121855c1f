#pragma once
#include <string>

#include "export/ExportResult.h"
#include "input/LoadReport.h"

// The program's words for what the engine reports, shared by the window and
// tabulon-export. The first line says what failed; the window shows the
// file's path under it, tabulon-export also the system's reason.

// "Rapor dosyası açılamadı:" and the like, for a load that failed.
std::string LoadFailureTitle(LoadResult::Failure failure);

// The working file could not be read back while pages were counted or drawn.
inline const std::string RowStoreUnreadableTitle = "Çalışma dosyası okunamadı:";

// "Dosya kaydedilemedi:", the file and the reason, for an export that failed.
std::string ExportFailureText(const ExportResult& result);

// Said when the system has no printer at all, before any report is read.
inline const std::string NoPrinterText =
    "Tabulon Sayfa ayarlarını belirleyebilmek için sisteminizde tanımlı en az 1 adet yazıcı "
    "ister.\nLütfen Denetim Masası\\Yazıcılar seçeneğini kullanarak yazıcı tanımlayın";

// Said when the system has no temporary folder and the current one is used.
inline const std::string TemporaryFolderMissingText = "Sistem Hatası.\nGeçici klasör bulunamadı";

// The first words of every failed `tabulon-export print`, before the reason.
inline const std::string PrintFailureTitle = "Yazdırılamadı:";
