#pragma once
#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "render/RenderPage.h"

namespace Tabulon {

class ReportWindow;

// "Bulunanlar": every field found, in report order. Only where each one is
// (16 bytes a hit) is kept; its page, row, column title and the text the
// page shows are worked out when the list asks for them, so a million hits
// cost 16 MB and the list reads only the rows it shows.
class FoundFieldsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit FoundFieldsModel(ReportWindow& window, QObject* parent = nullptr);

    void Clear();
    // Hits found later in the report than those held.
    void Append(std::vector<MarkedField> hits);
    const std::vector<MarkedField>& Hits() const { return hits_; }
    // The 1-based place of a hit in the list, or 0 when it is not there.
    int64_t PlaceOf(const MarkedField& hit) const;
    bool Holds(int64_t row, int column) const { return PlaceOf({row, column}) > 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QString ShownText(const MarkedField& hit) const;

    ReportWindow& window_;
    std::vector<MarkedField> hits_;
};

}  // namespace Tabulon
