#pragma once
#include <cstdint>
#include <string>

#include "core/SettingsStore.h"
#include "export/ExportResult.h"
#include "input/LoadReport.h"

namespace Tabulon {

// The program's words for what the engine reports, shared by the window and
// tabulon-export. The first line says what failed; the window shows the
// file's path under it, tabulon-export also the system's reason.

// "Rapor dosyası açılamadı:" and the like, for a load that failed.
std::string LoadFailureTitle(LoadResult::Failure failure);
// That title, the path under it and the system's reason under that: the
// window and tabulon-export say a failed load alike.
std::string LoadFailureText(const LoadResult& loaded);

// A size for people: "512 bayt", "37,4 KB", "1,2 GB", "512 MB" (powers of
// 1024, one decimal below 100). Rounded up or down, so that a size needed is
// never shown smaller than it is, nor a free one larger.
std::string ByteCountText(int64_t bytes, bool roundUp);

// How both programs end when a report could not be opened: 1 when the user
// stopped the load, 7 when the temporary folder has no room for its working
// file, 2 for everything else.
int LoadFailureStatus(LoadResult::Failure failure);

// The working file could not be read back while pages were counted or drawn.
inline const std::string RowStoreUnreadableTitle = "Çalışma dosyası okunamadı:";

// A report that changed while it was read: the window's status note, and the
// first and last lines of tabulon-export's warning, which has the path between.
inline const std::string ReportChangedNote = "Rapor okunurken değişti";
inline const std::string ReportChangedTitle = "Uyarı: Rapor dosyası okunurken değişti:";
inline const std::string ReportChangedAdvice =
    "Okunanlar raporun tamamı olmayabilir; rapor yazılıp bittikten sonra yeniden okuyun.";
// The status bar's button that reads the report again.
inline const std::string ReadAgainText = "Yeniden Oku";

// An entry of "Son Açılanlar" whose file is gone, before its path.
inline const std::string RecentReportGoneNote = "Dosya artık yok, Son Açılanlar'dan çıkarıldı:";

// "Dosya kaydedilemedi:", the file and the reason, for an export that failed.
std::string ExportFailureText(const ExportResult& result);

// Said when the system has no printer at all, before any report is read.
inline const std::string NoPrinterText =
    "Tabulon Sayfa ayarlarını belirleyebilmek için sisteminizde tanımlı en az 1 adet yazıcı "
    "ister.\nLütfen Denetim Masası\\Yazıcılar seçeneğini kullanarak yazıcı tanımlayın";

// Said when the system has no temporary folder and the current one is used.
inline const std::string TemporaryFolderMissingText = "Sistem Hatası.\nGeçici klasör bulunamadı";

// Said once, when stored page settings could not be used and the fresh
// installation's took their place: where the old settings were kept, or why
// they could not be.
std::string SettingsResetText(const LoadedSettings& loaded);

// The first words of every failed `tabulon-export print`, before the reason.
inline const std::string PrintFailureTitle = "Yazdırılamadı:";

}  // namespace Tabulon
