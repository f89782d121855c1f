#include "viewer/FoundFieldsDock.h"

#include <QHeaderView>
#include <QTableView>

#include "viewer/FoundFieldsModel.h"

namespace Tabulon {

FoundFieldsDock::FoundFieldsDock(FoundFieldsModel& model, QWidget* parent)
    : QDockWidget(QString::fromUtf8("Bulunanlar"), parent), model_(model) {
    setObjectName(QStringLiteral("FoundFields"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("FoundFieldsView"));
    view_->setModel(&model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    // Fixed line heights and no measuring of contents: a million lines are
    // laid out by arithmetic, and only those in view are read.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setColumnWidth(0, 50);
    view_->setColumnWidth(1, 70);
    view_->setColumnWidth(2, 90);
    setWidget(view_);
    const auto choose = [this](const QModelIndex& index) {
        if (index.isValid()) emit Chosen(model_.Hits()[static_cast<size_t>(index.row())]);
    };
    connect(view_, &QTableView::clicked, this, choose);
    connect(view_, &QTableView::activated, this, choose);
    hide();
}

}  // namespace Tabulon
