#include "OpenedFiles.h"

#include <QDesktopServices>

OpenedFiles::OpenedFiles(std::function<bool()> busyNow) : busyNow_(std::move(busyNow)) {
    QDesktopServices::setUrlHandler("file", this, "Open");
}

OpenedFiles::~OpenedFiles() {
    QDesktopServices::unsetUrlHandler("file");
}

void OpenedFiles::Open(const QUrl& url) {
    opened.push_back({url.toLocalFile(), busyNow_()});
}
