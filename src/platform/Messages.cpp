#include "platform/Messages.h"

#include "export/ExportWorkbook.h"

namespace Tabulon {

std::string LoadFailureTitle(LoadResult::Failure failure) {
    switch (failure) {
        case LoadResult::Failure::RowStoreUnwritable:
            return "Çalışma dosyası oluşturulamadı:";
        case LoadResult::Failure::RowStoreUnreadable:
            return RowStoreUnreadableTitle;
        default:
            return "Rapor dosyası açılamadı:";
    }
}

std::string LoadFailureText(const LoadResult& loaded) {
    std::string text = LoadFailureTitle(loaded.failure) + "\n" + loaded.path;
    if (!loaded.reason.empty()) text += "\n" + loaded.reason;
    return text;
}

std::string ExportFailureText(const ExportResult& result) {
    std::string reason = result.reason;
    if (result.outcome == ExportResult::Outcome::TooManyRows)
        reason = "Çalışma sayfası en çok " + std::to_string(SheetRowLimit) +
                 " satır alır; raporda " + std::to_string(result.rows) + " satır var.";
    else if (result.outcome == ExportResult::Outcome::RowsUnreadable)
        reason = RowStoreUnreadableTitle + " " + result.reason;
    return "Dosya kaydedilemedi:\n" + result.path + "\n" + reason;
}

std::string SettingsResetText(const LoadedSettings& loaded) {
    const std::string said = "Sayfa ayarları kullanılamadı, ilk kurulumun ayarları yüklendi; ";
    if (loaded.kept.path.empty()) return said + "eski ayarlar saklanamadı: " + loaded.kept.reason;
    return said + "eski ayarlar: " + loaded.kept.path;
}

}  // namespace Tabulon
