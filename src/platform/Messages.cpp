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

std::string LoadFailureTitle(const Failure& failure) {
    switch (failure.operation) {
        case Operation::MakeWorkFile:
            return "Çalışma dosyası oluşturulamadı:";
        case Operation::ReadWorkFile:
            return RowStoreUnreadableTitle;
        case Operation::FindRoom:
            return "Geçici klasörde rapor için yeterli yer yok:";
        default:
            return "Rapor dosyası açılamadı:";
    }
}

int LoadFailureStatus(const Failure& failure) {
    switch (failure.operation) {
        case Operation::Stop:
            return 1;
        case Operation::FindRoom:
            return 7;
        default:
            return 2;
    }
}

std::string LoadFailureText(const LoadResult& loaded) {
    const Failure& failure = loaded.outcome.Why();
    std::string text = LoadFailureTitle(failure) + "\n" + failure.path;
    if (failure.operation == Operation::FindRoom)
        text += "\nRaporun çalışma dosyası için " + ByteCountText(loaded.room.needed, true) +
                " gerekiyor, boş yer " + ByteCountText(loaded.room.free, false) + ".";
    if (!failure.reason.empty()) text += "\n" + failure.reason;
    return text;
}

std::string RowStoreFailureLine(const Failure& failure) {
    return RowStoreUnreadableTitle + " " + failure.reason;
}

std::string RowStoreFailureText(const Failure& failure) {
    return RowStoreUnreadableTitle + "\n" + failure.reason;
}

std::string ExportFailureText(const Failure& failure) {
    std::string reason = failure.reason;
    if (failure.operation == Operation::FillSheet)
        reason = "Çalışma sayfası en çok " + std::to_string(SheetRowLimit) +
                 " satır alır; raporda " + std::to_string(failure.count) + " satır var.";
    else if (failure.operation == Operation::ReadWorkFile)
        reason = RowStoreFailureLine(failure);
    return "Dosya kaydedilemedi:\n" + failure.path + "\n" + reason;
}

std::string PdfFailureText(const std::string& title, const Failure& failure) {
    return title + " " + failure.path + "\n" + failure.reason;
}

std::string SettingsResetText(const LoadedSettings& loaded) {
    const std::string said = "Sayfa ayarları kullanılamadı, ilk kurulumun ayarları yüklendi; ";
    if (loaded.kept.path.empty()) return said + "eski ayarlar saklanamadı: " + loaded.kept.reason;
    return said + "eski ayarlar: " + loaded.kept.path;
}

}  // namespace Tabulon
