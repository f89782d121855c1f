#include "viewer/GoToPageDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace Tabulon {

GoToPageDialog::GoToPageDialog(int32_t current, int32_t pageCount, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("GoToPageDialog"));
    setWindowTitle(QString::fromUtf8("Sayfaya Git"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    page_ = new QSpinBox(this);
    page_->setObjectName(QStringLiteral("Page"));
    page_->setRange(1, std::max<int32_t>(pageCount, 1));
    page_->setValue(current);
    page_->setSuffix(QString::fromUtf8(" / %1").arg(std::max<int32_t>(pageCount, 1)));
    page_->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("Git"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("İptal"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8("Sayfa:"), page_);
    form->addRow(buttons);
}

int32_t GoToPageDialog::Page() const {
    return page_->value();
}

}  // namespace Tabulon
