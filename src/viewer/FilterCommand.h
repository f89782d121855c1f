#pragma once
#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>

#include "render/ReportPages.h"

namespace Tabulon {

class FrmTabul;

// "Süz" keeps only the rows holding what the find bar looks for, in their
// order, as a report of their own: the window shows it, counts its pages and
// totals, prints and exports it as it would a report file of just those
// rows. The whole report waits aside until "Süzgeci Kaldır" brings it back.
class FilterCommand : public QObject {
    Q_OBJECT
  public:
    explicit FilterCommand(FrmTabul& window);

    void Apply();
    void Remove();
    // Another report took this one's place: the whole one waiting goes too.
    void Forget();
    bool On() const { return whole_.has_value(); }
    int64_t Kept() const { return kept_; }

  private:
    void StopReaders();
    void ShowInstead(ReportPages& pages);
    void Said(const QString& filterText);

    FrmTabul& window_;
    std::optional<ReportPages> whole_;
    int64_t kept_ = 0;
};

}  // namespace Tabulon
