#include "platform/Messages.h"

#include <cmath>

#include "export/ExportWorkbook.h"

namespace Tabulon {

std::string ByteCountText(int64_t bytes, bool roundUp) {
    if (bytes < 1024) return std::to_string(bytes) + " bayt";
    static const char* const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double value = static_cast<double>(bytes) / 1024;
    size_t unit = 0;
    for (; value >= 1024 && unit + 1 < std::size(units); ++unit) value /= 1024;
    // Tenths below 100, whole units from there on.
    const auto round = [roundUp](double x) { return roundUp ? std::ceil(x) : std::floor(x); };
    auto tenths = static_cast<int64_t>(value < 100 ? round(value * 10) : round(value) * 10);
    if (tenths >= 10240 && unit + 1 < std::size(units)) {
        tenths = 10;
        ++unit;
    }
    std::string text = std::to_string(tenths / 10);
    if (tenths < 1000) text += "," + std::to_string(tenths % 10);
    return text + " " + units[unit];
}

std::string LoadFailureTitle(LoadResult::Failure failure) {
    switch (failure) {
        case LoadResult::Failure::RowStoreUnwritable:
            return "Çalışma dosyası oluşturulamadı:";
        case LoadResult::Failure::RowStoreUnreadable:
            return RowStoreUnreadableTitle;
        case LoadResult::Failure::NoRoomForRows:
            return "Geçici klasörde rapor için yeterli yer yok:";
        default:
            return "Rapor dosyası açılamadı:";
    }
}

int LoadFailureStatus(LoadResult::Failure failure) {
    switch (failure) {
        case LoadResult::Failure::Cancelled:
            return 1;
        case LoadResult::Failure::NoRoomForRows:
            return 7;
        default:
            return 2;
    }
}

std::string LoadFailureText(const LoadResult& loaded) {
    std::string text = LoadFailureTitle(loaded.failure) + "\n" + loaded.path;
    if (loaded.failure == LoadResult::Failure::NoRoomForRows)
        text += "\nRaporun çalışma dosyası için " + ByteCountText(loaded.room.needed, true) +
                " gerekiyor, boş yer " + ByteCountText(loaded.room.free, false) + ".";
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
