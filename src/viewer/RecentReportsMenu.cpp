#include "viewer/RecentReportsMenu.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "platform/Messages.h"

namespace Tabulon {

namespace {

QString Shown(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

RecentReportsMenu::RecentReportsMenu(QMenu* menu, SettingsBackend& settings,
                                     std::function<void(const std::string&)> open,
                                     std::function<void(const QString&)> note)
    : QObject(menu),
      menu_(menu),
      list_(settings, "RecentReport", Count),
      open_(std::move(open)),
      note_(std::move(note)) {
    Fill();
}

void RecentReportsMenu::Opened(const std::string& path) {
    // One report reached by two names (relative, through "..") is one entry.
    const std::string full =
        QFile::encodeName(QFileInfo(Shown(path)).absoluteFilePath()).toStdString();
    list_.PutFirst(full, [&full](const std::string& entry) { return entry == full; });
    Fill();
}

void RecentReportsMenu::Fill() {
    menu_->clear();
    int number = 0;
    for (const std::string& path : list_.Read()) {
        // The number is the entry's letter; an "&" of the path stays text.
        const QString caption = QStringLiteral("&%1 %2").arg(++number).arg(
            Shown(path).replace('&', QStringLiteral("&&")));
        QAction* entry = menu_->addAction(caption);
        // Queued: choosing rebuilds the menu, which must not delete the entry
        // while it is still being triggered.
        connect(
            entry, &QAction::triggered, this, [this, path] { Choose(path); }, Qt::QueuedConnection);
    }
    menu_->setEnabled(number > 0);
}

void RecentReportsMenu::Choose(const std::string& path) {
    if (!QFileInfo::exists(Shown(path))) {
        list_.Drop([&path](const std::string& entry) { return entry == path; });
        Fill();
        note_(QString::fromStdString(RecentReportGoneNote) + " " + Shown(path));
        return;
    }
    open_(path);
}

}  // namespace Tabulon
