#include "viewer/GoToPageDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <limits>

namespace Tabulon {

GoToPageDialog::GoToPageDialog(int32_t current, int32_t pageCount, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("GoToPageDialog"));
    setWindowTitle(QString::fromUtf8("Sayfaya Git"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    page_ = new QSpinBox(this);
    page_->setObjectName(QStringLiteral("Page"));
    // A report still being read has as many pages as anyone asks for, until
    // it is read.
    const bool known = pageCount > 0;
    page_->setRange(1, known ? pageCount : std::numeric_limits<int32_t>::max());
    page_->setValue(current);
    page_->setSuffix(known ? QString::fromUtf8(" / %1").arg(pageCount) : QStringLiteral(" / ..."));
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
