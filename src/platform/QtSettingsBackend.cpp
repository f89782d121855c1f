#include "platform/QtSettingsBackend.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace Tabulon {

QtSettingsBackend::QtSettingsBackend() {
    Open();
}

void QtSettingsBackend::Open() {
    settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            "Vornak Software", "Tabulon");
}

bool QtSettingsBackend::KeyExists(const std::string&) {
    settings_->sync();
#ifdef Q_OS_WIN
    return !settings_->allKeys().isEmpty();
#else
    return QFileInfo::exists(settings_->fileName());
#endif
}

void QtSettingsBackend::CreateKey(const std::string&) {
    // The store comes into being with its first value; nothing to do here.
}

std::optional<std::string> QtSettingsBackend::QueryValue(const std::string&,
                                                         const std::string& name) {
    const QString key = QString::fromStdString(name);
    if (!settings_->contains(key)) return std::nullopt;
    return settings_->value(key).toString().toStdString();
}

void QtSettingsBackend::SetValue(const std::string&, const std::string& name,
                                 const std::string& text) {
    settings_->setValue(QString::fromStdString(name), QString::fromStdString(text));
    settings_->sync();
}

SettingsBackend::Kept QtSettingsBackend::KeepDamaged(const std::string&) {
#ifdef Q_OS_WIN
    return {"", "Kayıt defteri anahtarı taşınamaz"};
#else
    const QByteArray file = QFile::encodeName(settings_->fileName());
    // A hard link to a fresh name keeps the bytes exactly and fails rather
    // than replace an older kept file; the old name goes only once it holds.
    std::error_code error;
    for (int n = 1; n <= 100; ++n) {
        const QByteArray kept =
            file + ".bozuk" + (n == 1 ? QByteArray() : "-" + QByteArray::number(n));
        std::filesystem::create_hard_link(file.constData(), kept.constData(), error);
        if (!error) {
            if (std::filesystem::remove(file.constData(), error); error) {
                std::error_code ignored;
                std::filesystem::remove(kept.constData(), ignored);
                break;
            }
            // What the old file said must not come back with the next write.
            Open();
            settings_->clear();
            return {QFile::decodeName(kept).toStdString(), ""};
        }
        if (error != std::errc::file_exists) break;
    }
    return {"", std::strerror(error.value())};
#endif
}

}  // namespace Tabulon
