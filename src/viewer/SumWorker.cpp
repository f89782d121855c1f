#include "viewer/SumWorker.h"

#include <QMetaObject>
#include <QPointer>

namespace Tabulon {

SumWorker::SumWorker(const RowStore& rows, const ReportLayout& layout, const NumberLocale& locale,
                     const CellSelection& selection, std::function<void(const SelectionSum&)> done)
    : done_(std::move(done)) {
    // The layout and locale are copied: the window may change its own while
    // the rows are added. The rows stay, as the window stops this worker
    // before it lets them go.
    thread_ = std::jthread([this, &rows, layout, locale, selection](std::stop_token stop) {
        const SelectionSum sum =
            SumSelection(rows, layout, locale, selection,
                         [&stop](int64_t, int64_t) { return !stop.stop_requested(); });
        if (stop.stop_requested() || sum.pass.cancelled) return;
        QMetaObject::invokeMethod(
            this, [this, sum] { done_(sum); }, Qt::QueuedConnection);
    });
}

SumWorker::~SumWorker() {
    thread_.request_stop();
    thread_.join();
}

}  // namespace Tabulon
