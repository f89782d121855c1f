#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "core/SettingsList.h"

class QMenu;

namespace Tabulon {

// "Son Açılanlar" in the Dosya menu: the last eight reports opened, most
// recent first, kept in the settings so they outlive the run. An entry opens
// its report as "Aç..." does; one whose file is gone is dropped from the list
// with a note instead.
class RecentReportsMenu : public QObject {
    Q_OBJECT
  public:
    static constexpr size_t Count = 8;

    RecentReportsMenu(QMenu* menu, SettingsBackend& settings,
                      std::function<void(const std::string& path)> open,
                      std::function<void(const QString& note)> note);

    // A report opened: first in the list, by its full path.
    void Opened(const std::string& path);
    // The entries again, as the settings hold them now.
    void Fill();

  private:
    void Choose(const std::string& path);

    QMenu* menu_;
    SettingsList list_;
    std::function<void(const std::string&)> open_;
    std::function<void(const QString&)> note_;
};

}  // namespace Tabulon
