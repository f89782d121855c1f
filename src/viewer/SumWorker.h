#pragma once
#include <QObject>
#include <functional>
#include <thread>

#include "render/SelectionSum.h"

namespace Tabulon {

// Adds up the numbers of a selection on a thread of its own, so the window
// stays usable while a column of millions of rows is summed. Its result
// comes back on the window's thread; a worker destroyed before it ends is
// stopped first, and its result never arrives.
class SumWorker : public QObject {
    Q_OBJECT
  public:
    SumWorker(const RowStore& rows, const ReportLayout& layout, const NumberLocale& locale,
              const CellSelection& selection, std::function<void(const SelectionSum&)> done);
    ~SumWorker() override;

  private:
    std::function<void(const SelectionSum&)> done_;
    std::jthread thread_;
};

}  // namespace Tabulon
