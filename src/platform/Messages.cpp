#include "platform/Messages.h"

#include "export/ExportWorkbook.h"

namespace Tabulon {

std::string LoadFailureTitle(const Failure& failure) {
    switch (failure.operation) {
        case Operation::MakeWorkFile:
            return "Çalışma dosyası oluşturulamadı:";
        case Operation::ReadWorkFile:
            return RowStoreUnreadableTitle;
        default:
            return "Rapor dosyası açılamadı:";
    }
}

std::string LoadFailureText(const Failure& failure) {
    std::string text = LoadFailureTitle(failure) + "\n" + failure.path;
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
