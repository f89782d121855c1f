#include "viewer/ReportWatcher.h"

#include <QFileInfo>

namespace Tabulon {

namespace {

// How often a report the system cannot watch is looked at.
constexpr int PollMilliseconds = 2000;

}  // namespace

ReportWatcher::ReportWatcher(std::function<void()> changed, int settleMilliseconds, QObject* parent)
    : QObject(parent), changed_(std::move(changed)) {
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ReportWatcher::Noticed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &ReportWatcher::Noticed);
    poll_.setInterval(PollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &ReportWatcher::Noticed);
    settle_.setInterval(settleMilliseconds);
    settle_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, &ReportWatcher::Settle);
}

void ReportWatcher::Watch(const std::string& path) {
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    path_ = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    watcher_.addPath(path_);
    watcher_.addPath(QFileInfo(path_).absolutePath());
    shown_ = last_ = LookAtReport();
    settle_.stop();
    poll_.start();
}

ReportWatcher::Look ReportWatcher::LookAtReport() const {
    const QFileInfo info(path_);
    if (!info.exists()) return {};
    return {true, info.size(), info.lastModified()};
}

// Something moved: the report is looked at again once it has kept still.
void ReportWatcher::Noticed() {
    const Look now = LookAtReport();
    if (now == shown_ && !settle_.isActive()) return;
    last_ = now;
    settle_.start();
}

void ReportWatcher::Settle() {
    const Look now = LookAtReport();
    if (!(now == last_)) {  // still being written
        last_ = now;
        settle_.start();
        return;
    }
    // A file renamed over the report is a new file the watcher must be told of.
    if (now.exists && !watcher_.files().contains(path_)) watcher_.addPath(path_);
    if (now == shown_) return;
    shown_ = now;
    changed_();
}

}  // namespace Tabulon
