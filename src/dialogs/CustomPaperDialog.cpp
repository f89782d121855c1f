#include "dialogs/CustomPaperDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <cmath>

#include "dialogs/DialogFont.h"

namespace Tabulon {

namespace {

constexpr double TwipsPerMillimetre = 1440 / 25.4;

QSpinBox* MillimetreBox(int32_t twips, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(26, 1200);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(static_cast<int>(std::lround(twips / TwipsPerMillimetre)));
    return box;
}

}  // namespace

CustomPaperDialog::CustomPaperDialog(int32_t widthTwips, int32_t heightTwips, QWidget* parent)
    : QDialog(parent),
      width_(MillimetreBox(widthTwips, this)),
      height_(MillimetreBox(heightTwips, this)) {
    setWindowTitle(QString::fromUtf8("Özel Kağıt"));
    setFont(DialogFont());
    width_->setObjectName(QStringLiteral("Genislik"));
    height_->setObjectName(QStringLiteral("Yukseklik"));
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8("Genişlik:"), width_);
    form->addRow(QString::fromUtf8("Yükseklik:"), height_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QString::fromUtf8("Tamam"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromUtf8("İptal"), QDialogButtonBox::RejectRole);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::pair<int32_t, int32_t> CustomPaperDialog::SizeTwips() const {
    // A number typed and not yet confirmed by Enter is taken too.
    width_->interpretText();
    height_->interpretText();
    return {static_cast<int32_t>(std::lround(width_->value() * TwipsPerMillimetre)),
            static_cast<int32_t>(std::lround(height_->value() * TwipsPerMillimetre))};
}

}  // namespace Tabulon
