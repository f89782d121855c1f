#include "viewer/HitCounter.h"

#include <QMetaObject>

namespace Tabulon {

namespace {
// Hits go to the window in batches, so a million of them cost a few hundred
// events rather than a million.
constexpr size_t BatchSize = 4096;
}  // namespace

HitCounter::HitCounter(const RowStore& rows, const ReportLayout& layout, const NumberLocale& locale,
                       std::string text, FindRules rules,
                       std::function<void(std::vector<MarkedField>)> found,
                       std::function<void(const Ending&)> done)
    : found_(std::move(found)), done_(std::move(done)) {
    // The layout and locale are copied: the window may change its own while
    // the rows are read. The rows stay, as the window stops this counter
    // before it lets them go.
    thread_ = std::jthread(
        [this, &rows, layout, locale, text = std::move(text), rules](std::stop_token stop) {
            const FieldFinder finder(layout, locale, text, rules);
            std::vector<MarkedField> batch;
            size_t total = 0;
            Ending ending;
            ending.ok = FindEveryField(
                rows, finder,
                [&](const MarkedField& hit) {
                    if (stop.stop_requested()) return false;
                    if (total == MaxHits) {
                        ending.cut = true;
                        return false;
                    }
                    batch.push_back(hit);
                    ++total;
                    if (batch.size() == BatchSize) Post(std::exchange(batch, {}));
                    return true;
                },
                ending.error);
            if (stop.stop_requested()) return;
            Post(std::move(batch));
            QMetaObject::invokeMethod(
                this, [this, ending] { done_(ending); }, Qt::QueuedConnection);
        });
}

void HitCounter::Post(std::vector<MarkedField> batch) {
    if (batch.empty()) return;
    QMetaObject::invokeMethod(
        this, [this, batch = std::move(batch)]() mutable { found_(std::move(batch)); },
        Qt::QueuedConnection);
}

HitCounter::~HitCounter() {
    thread_.request_stop();
    thread_.join();
}

}  // namespace Tabulon
