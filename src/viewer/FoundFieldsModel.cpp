#include "viewer/FoundFieldsModel.h"

#include <algorithm>

#include "input/SplitFields.h"
#include "render/DisplayPattern.h"
#include "render/FindFields.h"
#include "viewer/ReportWindow.h"

namespace Tabulon {

namespace {
enum Column { PageColumn, RowColumn, TitleColumn, TextColumn, ColumnCount };

bool Before(const MarkedField& a, const MarkedField& b) {
    return a.row != b.row ? a.row < b.row : a.column < b.column;
}
}  // namespace

FoundFieldsModel::FoundFieldsModel(ReportWindow& window, QObject* parent)
    : QAbstractTableModel(parent), window_(window) {}

void FoundFieldsModel::Clear() {
    beginResetModel();
    hits_.clear();
    hits_.shrink_to_fit();
    endResetModel();
}

void FoundFieldsModel::Append(std::vector<MarkedField> hits) {
    if (hits.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(hits.size()) - 1);
    hits_.insert(hits_.end(), hits.begin(), hits.end());
    endInsertRows();
}

int64_t FoundFieldsModel::PlaceOf(const MarkedField& hit) const {
    const auto at = std::lower_bound(hits_.begin(), hits_.end(), hit, Before);
    if (at == hits_.end() || at->row != hit.row || at->column != hit.column) return 0;
    return at - hits_.begin() + 1;
}

int FoundFieldsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(hits_.size());
}

int FoundFieldsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FoundFieldsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<size_t>(index.row()) >= hits_.size()) return {};
    const MarkedField& hit = hits_[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() < TitleColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case PageColumn:
            return QVariant::fromValue(PageOfRow(hit.row, window_.Pages().metrics.RowsPerPage));
        case RowColumn:
            return QVariant::fromValue(hit.row);
        case TitleColumn:
            return QString::fromStdString(window_.Pages().layout.Title(hit.column));
        default:
            return ShownText(hit);
    }
}

QString FoundFieldsModel::ShownText(const MarkedField& hit) const {
    const ReportPages& pages = window_.Pages();
    RecordBlock block;
    std::string error;
    if (!pages.rows.Read(hit.row, 1, block, error) || block.texts.empty()) return {};
    const RowFields fields = SplitFields(block.texts.front());
    return QString::fromStdString(
               FormatField(fields[hit.column],
                           pages.layout.ColumnFormats[static_cast<size_t>(hit.column)],
                           window_.Locale()))
        .trimmed();
}

QVariant FoundFieldsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    static const char* const titles[ColumnCount] = {"Sayfa", "Satır", "Sütun", "Metin"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(titles[section]) : QVariant();
}

}  // namespace Tabulon
