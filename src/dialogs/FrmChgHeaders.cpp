#include "dialogs/FrmChgHeaders.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/TextEncoding.h"
#include "dialogs/DialogFont.h"
#include "platform/Twips.h"

namespace Tabulon {

namespace {
// Only the first three header lines are printed, so only they are edited.
constexpr int EditedLines = 3;
}  // namespace

FrmChgHeaders::FrmChgHeaders(ReportLayout& layout, QWidget* parent)
    : QDialog(parent), layout_(layout) {
    setWindowTitle(QString::fromUtf8("Rapor Başlığı"));
    setFont(DialogFont());
    setFixedSize(RectFromTwips(0, 0, 8415, 2550).size());

    auto* frame1 = new QGroupBox(QString::fromUtf8("Rapor Başlıkları"), this);
    frame1->setObjectName("Frame1");
    frame1->setGeometry(RectFromTwips(120, 120, 8175, 1695));
    for (int i = 0; i < EditedLines; ++i) {
        Text1[i] = new QLineEdit(frame1);
        Text1[i]->setObjectName(QString("Text1(%1)").arg(i));
        Text1[i]->setGeometry(RectFromTwips(240, 360 + 360 * i, 7695, 285));
        MakeBold(Text1[i]);
    }

    Command2 = new QPushButton(QString::fromUtf8("&Vazgeç"), this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(RectFromTwips(5160, 2040, 1335, 375));
    Command1 = new QPushButton(QString::fromUtf8("&Uygula"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(RectFromTwips(6600, 2040, 1335, 375));
    MakeBold(Command1);
    for (QPushButton* button : {Command1, Command2}) button->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &FrmChgHeaders::ApplyHeaders);
    connect(Command2, &QPushButton::clicked, this, &FrmChgHeaders::Cancel);

    FillControls();
}

void FrmChgHeaders::FillControls() {
    for (int i = 0; i < EditedLines; ++i)
        Text1[i]->setText(QString::fromStdString(layout_.HeaderLines[i + 1]));
}

void FrmChgHeaders::ApplyHeaders() {
    for (int slot = 1; slot <= EditedLines; ++slot) layout_.HeaderLines[slot].clear();
    // Blank boxes are dropped and the lines below move up; a line keeps its
    // leading spaces, which may indent it on the page.
    int n = 0;
    for (QLineEdit* box : Text1) {
        const std::string text = box->text().toStdString();
        if (TrimSpaces(text).empty()) continue;
        layout_.HeaderLines[++n] = std::string(TrimTrailingSpaces(text));
    }
    accept();
}

void FrmChgHeaders::Cancel() {
    reject();
}

}  // namespace Tabulon
