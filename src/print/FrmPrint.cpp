#include "print/FrmPrint.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "platform/Twips.h"

namespace Tabulon {

FrmPrint::FrmPrint(int32_t pageCount, const PrinterCatalog& printers,
                   const std::string& currentPrinter, const std::string& selectedPrinter,
                   QWidget* parent)
    : QDialog(parent), pageCount_(pageCount), controls_(this) {
    choice_.printer = selectedPrinter;
    setWindowTitle(QString::fromUtf8("Yazdır"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setFixedSize(PixelsFromTwips(8295), PixelsFromTwips(3150));

    for (QRadioButton* option : controls_.Option1)
        connect(option, &QRadioButton::toggled, this, &FrmPrint::EnableRangeForItsOption);
    for (int i = 0; i < 2; ++i) {
        connect(controls_.VScroll1[i], &QScrollBar::valueChanged, this,
                [this, i] { ShowSpinnerPage(i); });
        controls_.Label3[i]->installEventFilter(this);
        controls_.VScroll1[i]->installEventFilter(this);
    }
    connect(controls_.Command1, &QPushButton::clicked, this, &FrmPrint::ConfirmPrint);
    connect(controls_.Command2, &QPushButton::clicked, this, &FrmPrint::reject);

    FillControls(printers, currentPrinter);
}

void FrmPrint::FillControls(const PrinterCatalog& printers, const std::string& currentPrinter) {
    controls_.Option1[0]->setChecked(true);
    EnableRangeForItsOption();

    // The current printer is found by its exact name; of several entries with
    // that name the last one wins, and the first entry stands in for no match.
    printerNames_ = printers.PrinterNames();
    int remembered = 0;
    for (int i = 0; i < static_cast<int>(printerNames_.size()); ++i) {
        controls_.Combo1->addItem(QString::fromStdString(printerNames_[i]));
        if (printerNames_[i] == currentPrinter) remembered = i;
    }
    controls_.Combo1->setCurrentIndex(remembered);

    const int lastPage = std::max(1, pageCount_);
    for (int i = 0; i < 2; ++i) {
        QScrollBar* spinner = controls_.VScroll1[i];
        QSignalBlocker quiet(spinner);
        spinner->setRange(1, lastPage);
        spinner->setSingleStep(1);
        spinner->setPageStep(1);
        spinner->setValue(1);
    }

    // Each spinner stands inside the right end of its label box.
    for (int i = 0; i < 2; ++i) {
        QLineEdit* label = controls_.Label3[i];
        QScrollBar* spinner = controls_.VScroll1[i];
        const QRect box = label->geometry();
        const int labelLeft = box.x() * 15, labelTop = box.y() * 15, labelWidth = box.width() * 15;
        const int labelHeight = 300;
        label->setGeometry(box.x(), box.y(), box.width(), PixelsFromTwips(labelHeight));
        spinner->setGeometry(PixelsFromTwips(labelLeft + labelWidth - 280),
                             PixelsFromTwips(labelTop + 30), PixelsFromTwips(255),
                             PixelsFromTwips(labelHeight - 60));
    }

    ShowSpinnerPage(0);
    ShowSpinnerPage(1);
}

void FrmPrint::EnableRangeForItsOption() {
    const bool range = controls_.Option1[1]->isChecked();
    const QColor background =
        range ? QColor(Qt::white) : QApplication::palette().color(QPalette::Button);
    for (int i = 0; i < 2; ++i) {
        controls_.Label3[i]->setEnabled(range);
        controls_.VScroll1[i]->setEnabled(range);
        QPalette palette = controls_.Label3[i]->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        controls_.Label3[i]->setPalette(palette);
    }
}

void FrmPrint::ShowSpinnerPage(int index) {
    controls_.Label3[index]->setText(QString::number(controls_.VScroll1[index]->value()));
}

void FrmPrint::Label3_Validate(int index) {
    // A number is taken within 1..PageCount; anything else gives way to the
    // spinner's value, which the box then shows again.
    QScrollBar* spinner = controls_.VScroll1[index];
    bool isNumber = false;
    const qlonglong typed = controls_.Label3[index]->text().trimmed().toLongLong(&isNumber);
    if (isNumber)
        spinner->setValue(
            static_cast<int>(std::clamp<qlonglong>(typed, spinner->minimum(), spinner->maximum())));
    ShowSpinnerPage(index);
}

bool FrmPrint::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 2; ++i) {
        if (watched == controls_.Label3[i]) {
            if (event->type() == QEvent::FocusOut) Label3_Validate(i);
            if (event->type() == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                // Taken here, so Enter does not also press "Yazdır".
                if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                    Label3_Validate(i);
                    return true;
                }
            }
        } else if (watched == controls_.VScroll1[i] && event->type() == QEvent::MouseButtonPress) {
            Label3_Validate(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmPrint::ConfirmPrint() {
    // A page typed and confirmed at once (Alt+Y) counts too.
    Label3_Validate(0);
    Label3_Validate(1);
    if (controls_.Option1[0]->isChecked()) {
        choice_.fromPage = 1;
        choice_.toPage = pageCount_;
    } else if (controls_.Option1[1]->isChecked()) {
        choice_.fromPage = controls_.VScroll1[0]->value();
        choice_.toPage = controls_.VScroll1[1]->value();
    } else if (controls_.Option1[2]->isChecked()) {
        choice_.fromPage = -1;
        choice_.toPage = -1;
    } else if (controls_.Option1[3]->isChecked()) {
        choice_.fromPage = -2;
        choice_.toPage = -2;
    }
    // With every printer gone from the list the previous choice stays.
    const int chosen = controls_.Combo1->currentIndex();
    if (chosen >= 0 && chosen < static_cast<int>(printerNames_.size()))
        choice_.printer = printerNames_[chosen];
    choice_.confirmed = true;
    accept();
}

void FrmPrint::reject() {
    choice_.confirmed = false;
    QDialog::reject();
}

}  // namespace Tabulon
