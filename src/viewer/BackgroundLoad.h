#pragma once
#include <QObject>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/ProgressCallback.h"
#include "input/LoadReport.h"
#include "render/ReportPages.h"
#include "viewer/ViewerEnvironment.h"

namespace Tabulon {

// Hears a load's progress on its thread, with the flag that asks the load
// to stop; answers false to stop it. Tests hold a load there.
using LoadWatch = decltype(ViewerEnvironment::loadWatch);

// A report read and laid out on a thread of its own, so that the window can
// show its first pages while the rest is read. The rows go into the window's
// own store, readable up to the pages handed out; what else is read so far
// (the description, the widths measured, the pages ended and their totals)
// comes as a value. Ending it, at any moment, stops the reading at its next
// megabyte and waits for the thread; the working file has no name, so
// nothing of a stopped load remains once the window drops its store.
class BackgroundLoad : public QObject {
    Q_OBJECT
  public:
    struct Request {
        std::string reportPath;
        std::string rowStorePath;
        NumberLocale locale;
        PageMetrics font;          // measured for no header lines
        RowStore* rows = nullptr;  // stays where it is until the load ends
        FreeSpaceQuery freeSpace;
        LoadWatch watch;
    };

    explicit BackgroundLoad(Request request, QObject* parent = nullptr);
    ~BackgroundLoad() override;
    BackgroundLoad(const BackgroundLoad&) = delete;
    BackgroundLoad& operator=(const BackgroundLoad&) = delete;

    const std::string& ReportPath() const { return request_.reportPath; }
    // The latest of what was read so far, once each.
    std::optional<LoadedSoFar> TakeSoFar();
    // Pages handed out so far.
    int32_t PagesRead() const { return pagesRead_; }
    bool Ended() const { return ended_; }
    // How far the step under way has come (the reading, then the passes
    // over the rows), in thousandths.
    int Progress() const;

    // Once Ended: how the load ended, and the report laid out (all but its
    // rows, which are in the store given), to be taken.
    const LoadResult& Result() const { return result_; }
    ReportPages& Pages() { return pages_; }

  signals:
    // On the window's thread: something more was read, the load ended.
    void ReadSoFar();
    void Finished();

  private:
    void Run();
    void HandOut(const LoadedSoFar& soFar);
    bool Report(int64_t done, int64_t total);

    Request request_;
    ReportPages pages_;
    LoadResult result_;
    std::mutex mutex_;
    std::optional<LoadedSoFar> soFar_;
    std::atomic<int32_t> pagesRead_ = 0;
    std::atomic<int> progress_ = 0;
    std::atomic<bool> stop_ = false;
    std::atomic<bool> ended_ = false;
    std::thread thread_;  // last: it starts once the rest is ready
};

}  // namespace Tabulon
