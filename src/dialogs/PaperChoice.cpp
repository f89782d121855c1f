#include "dialogs/PaperChoice.h"

#include <cmath>

#include "core/PaperSizes.h"
#include "dialogs/CustomPaperDialog.h"

namespace Tabulon {

namespace {

constexpr int CustomEntry = static_cast<int>(PaperSizes.size());

int Millimetres(int32_t twips) {
    return static_cast<int>(std::lround(twips * 25.4 / 1440));
}

}  // namespace

PaperChoice::PaperChoice(QWidget* parent) : QComboBox(parent) {
    for (const PaperSize& paper : PaperSizes)
        addItem(QString::fromUtf8(paper.name.data(), static_cast<qsizetype>(paper.name.size())));
    addItem(QString::fromUtf8("Özel..."));
    connect(this, &QComboBox::activated, this, &PaperChoice::TakeEntry);
}

void PaperChoice::ShowSize(int32_t widthTwips, int32_t heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
    if (const auto paper = FindPaperSize(widthTwips, heightTwips)) {
        setItemText(CustomEntry, QString::fromUtf8("Özel..."));
        setCurrentIndex(findText(
            QString::fromUtf8(paper->name.data(), static_cast<qsizetype>(paper->name.size()))));
        return;
    }
    setItemText(CustomEntry, QString::fromUtf8("Özel %1 x %2 mm")
                                 .arg(Millimetres(widthTwips))
                                 .arg(Millimetres(heightTwips)));
    setCurrentIndex(CustomEntry);
}

void PaperChoice::TakeEntry(int index) {
    if (index >= 0 && index < CustomEntry) {
        emit Chosen(PaperSizes[index].width, PaperSizes[index].height);
        return;
    }
    CustomPaperDialog ask(width_, height_, this);
    if (ask.exec() != QDialog::Accepted) {
        ShowSize(width_, height_);
        return;
    }
    const auto [width, height] = ask.SizeTwips();
    emit Chosen(width, height);
}

}  // namespace Tabulon
