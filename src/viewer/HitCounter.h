#pragma once
#include <QObject>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "render/FindFields.h"

namespace Tabulon {

// Finds every field holding a text on a thread of its own, so the window
// stays usable while millions of rows are read. The hits come back on the
// window's thread in report order, a batch at a time, and then the end; a
// counter destroyed before it ends is stopped first and sends nothing more.
class HitCounter : public QObject {
    Q_OBJECT
  public:
    // At most this many hits are gathered (16 bytes each); the count then
    // stops and says it is not whole.
    static constexpr size_t MaxHits = 4'000'000;

    struct Ending {
        bool ok = true;
        bool cut = false;  // stopped at MaxHits
        std::string error;
    };

    HitCounter(const RowStore& rows, const ReportLayout& layout, const NumberLocale& locale,
               std::string text, FindRules rules,
               std::function<void(std::vector<MarkedField>)> found,
               std::function<void(const Ending&)> done);
    ~HitCounter() override;

  private:
    void Post(std::vector<MarkedField> batch);

    std::function<void(std::vector<MarkedField>)> found_;
    std::function<void(const Ending&)> done_;
    std::jthread thread_;
};

}  // namespace Tabulon
