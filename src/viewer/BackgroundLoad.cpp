#include "viewer/BackgroundLoad.h"

#include <QMetaObject>

namespace Tabulon {

BackgroundLoad::BackgroundLoad(Request request, QObject* parent)
    : QObject(parent), request_(std::move(request)), thread_([this] { Run(); }) {}

BackgroundLoad::~BackgroundLoad() {
    stop_ = true;
    thread_.join();
}

void BackgroundLoad::Run() {
    LoadOptions options;
    options.locale = request_.locale;
    options.store = request_.rows;
    options.freeSpace = request_.freeSpace;
    options.progress = [this](int64_t done, int64_t total) { return Report(done, total); };
    options.readSoFar = [this](const LoadedSoFar& soFar) { HandOut(soFar); };
    result_ =
        OpenReportPages(pages_, request_.reportPath, request_.rowStorePath, options, request_.font);
    ended_ = true;
    // Queued to this object, so a load ended before its signal is handled
    // says nothing.
    QMetaObject::invokeMethod(
        this, [this] { emit Finished(); }, Qt::QueuedConnection);
}

void BackgroundLoad::HandOut(const LoadedSoFar& soFar) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        soFar_ = soFar;
    }
    pagesRead_ = soFar.pages.pageCount;
    QMetaObject::invokeMethod(
        this, [this] { emit ReadSoFar(); }, Qt::QueuedConnection);
}

bool BackgroundLoad::Report(int64_t done, int64_t total) {
    progress_ = total > 0 ? static_cast<int>(done * 1000 / total) : 1000;
    if (request_.watch && !request_.watch(done, total, stop_)) return false;
    return !stop_;
}

std::optional<LoadedSoFar> BackgroundLoad::TakeSoFar() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(soFar_, std::nullopt);
}

int BackgroundLoad::Progress() const {
    return progress_;
}

}  // namespace Tabulon
