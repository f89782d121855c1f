#include "platform/QtSettingsBackend.h"

#include <QFileInfo>

QtSettingsBackend::QtSettingsBackend()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            "Vornak Software", "Tabulon")) {}

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
