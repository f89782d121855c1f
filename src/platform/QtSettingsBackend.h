#pragma once
#include <QSettings>
#include <memory>

#include "core/SettingsBackend.h"

namespace Tabulon {

// The page setup in the user's native settings store: the registry key
// "SOFTWARE\Vornak Software\Tabulon" on Windows, and
// $XDG_CONFIG_HOME/Vornak Software/Tabulon.conf elsewhere. The key path handed
// in is ignored: there is only one key.
class QtSettingsBackend : public SettingsBackend {
  public:
    QtSettingsBackend();
    bool KeyExists(const std::string& keyPath) override;
    void CreateKey(const std::string& keyPath) override;
    std::optional<std::string> QueryValue(const std::string& keyPath,
                                          const std::string& name) override;
    void SetValue(const std::string& keyPath, const std::string& name,
                  const std::string& text) override;
    // The file is renamed to "Tabulon.conf.bozuk" beside it (".bozuk-2" and
    // on when that name is taken), never replacing anything.
    Kept KeepDamaged(const std::string& keyPath) override;

  private:
    void Open();
    std::unique_ptr<QSettings> settings_;
};

}  // namespace Tabulon
