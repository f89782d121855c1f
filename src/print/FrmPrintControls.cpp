#include "print/FrmPrintControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "platform/Twips.h"

namespace Tabulon {

namespace {

QFont BoldFont(const QWidget* form) {
    QFont font = form->font();
    font.setBold(true);
    return font;
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name, QRect rect) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

}  // namespace

FrmPrintControls::FrmPrintControls(QWidget* form) {
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPointSizeF(8.25);
    form->setFont(formFont);
    const QFont bold = BoldFont(form);

    Combo1 = Place(new QComboBox(form), "Combo1", RectFromTwips(120, 240, 4575, 330));

    Line1 =
        Place(new QFrame(form), "Line1",
              QRect(PixelsFromTwips(4800), PixelsFromTwips(240), 2, PixelsFromTwips(2280 - 240)));
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Sunken);

    Label2 = Place(new QLabel(QString::fromUtf8("Sayfa Seçimi"), form), "Label2",
                   RectFromTwips(4920, 240, 3015, 255));
    Label2->setFont(bold);
    Label2->setAutoFillBackground(true);
    QPalette grey = Label2->palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Label2->setPalette(grey);

    struct OptionDesign {
        const char* caption;
        QRect rect;
    };
    const std::array<OptionDesign, 4> options{{
        {"Tümü", RectFromTwips(5040, 600, 975, 255)},
        {"Sayfa Aralığı", RectFromTwips(5040, 840, 1575, 255)},
        {"Tek Sayfalar", RectFromTwips(5040, 1800, 1455, 255)},
        {"Çift sayfalar", RectFromTwips(5040, 2040, 1695, 255)},
    }};
    Option1Group = new QButtonGroup(form);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(options[i].caption), form);
        Place(option, ("Option1_" + std::to_string(i)).c_str(), options[i].rect);
        option->setFont(bold);
        Option1Group->addButton(option, i);
        Option1[i] = option;
    }

    const std::array<QRect, 2> labels{RectFromTwips(5760, 1200, 855, 375),
                                      RectFromTwips(6720, 1200, 855, 375)};
    for (int i = 0; i < 2; ++i) {
        Label3[i] = Place(new QLineEdit(form), ("Label3_" + std::to_string(i)).c_str(), labels[i]);
        // The typed digits stop short of the spinner standing in the box's right end.
        Label3[i]->setTextMargins(0, 0, PixelsFromTwips(280), 0);
        // The spinner is laid over the label's right end when the form loads.
        VScroll1[i] = Place(new QScrollBar(Qt::Vertical, form),
                            ("VScroll1_" + std::to_string(i)).c_str(), labels[i]);
        VScroll1[i]->raise();
    }

    Frame1 = Place(new QFrame(form), "Frame1", RectFromTwips(120, 2400, 8055, 135));
    Frame1->setFrameShape(QFrame::HLine);
    Frame1->setFrameShadow(QFrame::Sunken);

    Command2 = Place(new QPushButton(QString::fromUtf8("&Vazgeç"), form), "Command2",
                     RectFromTwips(5160, 2640, 975, 375));
    Command2->setFont(bold);
    Command1 = Place(new QPushButton(QString::fromUtf8("&Yazdır"), form), "Command1",
                     RectFromTwips(6240, 2640, 1695, 375));
    Command1->setFont(bold);
    Command1->setDefault(true);
}

}  // namespace Tabulon
