#include "viewer/FindDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QString::fromUtf8("Bul"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("Text"));
    text_->setMinimumWidth(260);
    auto* buttons = new QDialogButtonBox(this);
    next_ = buttons->addButton(QString::fromUtf8("Sonrakini Bul"), QDialogButtonBox::ActionRole);
    previous_ = buttons->addButton(QString::fromUtf8("Öncekini Bul"), QDialogButtonBox::ActionRole);
    QPushButton* close =
        buttons->addButton(QString::fromUtf8("Kapat"), QDialogButtonBox::RejectRole);
    next_->setDefault(true);
    next_->setToolTip(QStringLiteral("F3"));
    previous_->setToolTip(QStringLiteral("Shift+F3"));
    connect(next_, &QPushButton::clicked, this,
            [this] { emit FindRequested(text_->text(), true); });
    connect(previous_, &QPushButton::clicked, this,
            [this] { emit FindRequested(text_->text(), false); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8("Aranan:"), text_);
    form->addRow(buttons);
}
