#include "dialogs/FrmPageSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "core/Rounding.h"
#include "core/SettingsStore.h"
#include "dialogs/DialogFont.h"
#include "dialogs/FontSample.h"
#include "dialogs/OrientationIcon.h"
#include "dialogs/PagePreview.h"
#include "dialogs/PaperChoice.h"
#include "dialogs/SizeText.h"
#include "dialogs/SpinControl.h"
#include "platform/Twips.h"

namespace Tabulon {

namespace {

constexpr int SmallestFontSize = 7;
constexpr int LargestFontSize = 24;
constexpr int SmallestMargin = 5;
constexpr int LargestMargin = 30;
// The spin controls' own width; their other sides follow the value boxes.
constexpr int SpinWidthTwips = 255;

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

template <typename W>
W* Place(W* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(RectFromTwips(left, top, width, height));
    return widget;
}

QLabel* TopLeftLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* FilledLabel(const QString& caption, const QColor& background, QWidget* parent) {
    QLabel* label = TopLeftLabel(caption, parent);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, background);
    label->setPalette(colours);
    MakeBold(label);
    return label;
}

QPushButton* Button(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    // Enter does not press a button by itself here, only the focused one.
    button->setAutoDefault(false);
    return button;
}

// A white box in bold that looks as the value labels did and takes typing.
QLineEdit* MarginBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setFrame(false);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MakeBold(box);
    return box;
}

QString MarginText(int millimetres) {
    return QString::number(millimetres) + "mm";
}

}  // namespace

FrmPageSetup::FrmPageSetup(PageSetup& setup, SettingsBackend& settings, QWidget* parent)
    : QDialog(parent), setup_(setup), settings_(settings) {
    setWindowTitle(Utf8("Yazdırma Tercihleri"));
    setFont(DialogFont());
    setFixedSize(RectFromTwips(0, 0, 11910, 5205).size());
    CreateControls();
    FillControls();
}

void FrmPageSetup::CreateControls() {
    CreateOrientationFrame();
    CreateMarginFrame();
    // The paper, between the margins and the print options.
    Place(TopLeftLabel(Utf8("Kağıt"), this), "Label13", 120, 2835, 2415, 255);
    ComboKagit = Place(new PaperChoice(this), "ComboKagit", 120, 3090, 2415, 330);
    connect(ComboKagit, &PaperChoice::Chosen, this, &FrmPageSetup::ChoosePaper);

    Check1[0] =
        Place(new QCheckBox(Utf8("Sayfa Toplamları"), this), "Check1(0)", 120, 3600, 2415, 195);
    Check1[2] =
        Place(new QCheckBox(Utf8("Sayfa Numaraları"), this), "Check1(2)", 120, 3840, 2415, 195);
    Check1[1] =
        Place(new QCheckBox(Utf8("Kümülatif Toplamlar"), this), "Check1(1)", 120, 4080, 2415, 195);

    Picture1 = Place(new PagePreview(this), "Picture1", 2760, 240, 3765, 3765);
    auto* line1 = Place(new QFrame(this), "Line1", 6720, 120, TwipsPerPixel, 4080);
    line1->setFrameShape(QFrame::VLine);
    line1->setFrameShadow(QFrame::Plain);

    CreateFontControls();

    auto* frame6 = Place(new QGroupBox(this), "Frame6", 120, 4440, 11655, 135);
    frame6->setFlat(false);
    Command3 = Place(Button(Utf8("&Iptal"), this), "Command3", 8760, 4680, 1335, 375);
    Command2 = Place(Button(Utf8("&Uygula"), this), "Command2", 10200, 4680, 1575, 375);
    MakeBold(Command2);
    connect(Command3, &QPushButton::clicked, this, &FrmPageSetup::Cancel);
    connect(Command2, &QPushButton::clicked, this, &FrmPageSetup::ApplySetup);
}

void FrmPageSetup::CreateOrientationFrame() {
    Frame5 = Place(new QGroupBox(Utf8("Yönelim"), this), "Frame5", 120, 120, 2415, 855);
    Option_Dusey =
        Place(new QRadioButton(Utf8("Dusey"), Frame5), "Option_Dusey", 240, 240, 855, 255);
    Option_Yatay =
        Place(new QRadioButton(Utf8("Yatay"), Frame5), "Option_Yatay", 240, 480, 855, 255);
    Picture2 = Place(new QLabel(Frame5), "Picture2", 1800, 240, 452, 460);
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Selecting an option runs its handler, also when the program selects it.
    connect(Option_Dusey, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ChoosePortrait();
    });
    connect(Option_Yatay, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ChooseLandscape();
    });
}

void FrmPageSetup::CreateMarginFrame() {
    Frame2 =
        Place(new QGroupBox(Utf8("Sayfa Kenar Boşlukları"), this), "Frame2", 120, 1080, 2415, 1695);
    Place(TopLeftLabel(Utf8("Sol"), Frame2), "Label12", 120, 360, 375, 255);
    Place(TopLeftLabel(Utf8("Sağ"), Frame2), "Label11", 120, 960, 375, 255);
    Place(TopLeftLabel(Utf8("Üst"), Frame2), "Label9", 1320, 360, 375, 255);
    Place(TopLeftLabel(Utf8("Alt"), Frame2), "Label7", 1320, 960, 375, 255);

    const std::pair<int, int> boxes[4] = {{120, 600}, {120, 1200}, {1320, 600}, {1320, 1200}};
    constexpr int boxWidth = 735, boxHeight = 300;
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "PFeed(" + QByteArray::number(i) + ")";
        PFeed[i] = Place(MarginBox(Frame2), name.constData(), boxes[i].first, boxes[i].second,
                         boxWidth, boxHeight);
        PFeed[i]->installEventFilter(this);
    }
    // Each spin control sits inside the right end of its value box, 30 twips in
    // from its edges, above it.
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "V_PFeed(" + QByteArray::number(i) + ")";
        V_PFeed[i] = Place(new SpinControl(Frame2), name.constData(),
                           boxes[i].first + boxWidth - (SpinWidthTwips + 30), boxes[i].second + 30,
                           SpinWidthTwips, boxHeight - 60);
        V_PFeed[i]->SetRange(SmallestMargin, LargestMargin);
        connect(V_PFeed[i], &SpinControl::Changed, this, &FrmPageSetup::TakeMargins);
        V_PFeed[i]->installEventFilter(this);
    }
}

void FrmPageSetup::CreateFontControls() {
    const QColor silver(192, 192, 192);
    Place(FilledLabel(Utf8("Font"), silver, this), "Label1", 6960, 240, 4815, 255);
    Combo1 = Place(new QComboBox(this), "Combo1", 6960, 600, 4815, 330);
    Place(FilledLabel(Utf8("Font Boyu"), silver, this), "Label2", 6960, 1080, 1215, 255);
    Combo2 = Place(new QComboBox(this), "Combo2", 6960, 1440, 1215, 330);
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Label3 = Place(new FontSample(this), "Label3", 6960, 1920, 4815, 2295);
    // Choosing an entry, by mouse or keys, updates the sample; typing does not.
    connect(Combo1, &QComboBox::activated, this, &FrmPageSetup::UpdateFontSample);
    connect(Combo2, &QComboBox::activated, this, &FrmPageSetup::UpdateFontSample);
}

void FrmPageSetup::FillControls() {
    DialogLoaded = false;
    Combo1->clear();
    Combo2->clear();

    FillFontList();

    for (int size = SmallestFontSize; size <= LargestFontSize; ++size)
        Combo2->addItem(QString::number(size));
    const QString sizeText = QString::number(setup_.FontSize);
    Combo2->setCurrentIndex(Combo2->findText(sizeText));
    Combo2->setEditText(sizeText);

    working_ = PageSetupWorkingCopy::From(setup_);

    // Anything but portrait opens as landscape and becomes 2.
    if (setup_.PageOrient == 1)
        Option_Dusey->setChecked(true);
    else
        Option_Yatay->setChecked(true);

    ComboKagit->ShowSize(working_.PageSizeX, working_.PageSizeY);

    const int margins[4] = {working_.SpaceX1, working_.SpaceX2, working_.SpaceY1, working_.SpaceY2};
    for (int i = 0; i < 4; ++i) V_PFeed[i]->SetValue(margins[i]);
    // Bare numbers until the first change; the unit appears once the user spins.
    for (int i = 0; i < 4; ++i) PFeed[i]->setText(QString::number(margins[i]));

    DialogLoaded = true;
    UpdateFontSample();

    Check1[0]->setChecked(setup_.pTotals);
    Check1[1]->setChecked(setup_.aTotals);
    Check1[2]->setChecked(setup_.pNumbers);
}

void FrmPageSetup::FillFontList() {
    Combo1->addItems(QFontDatabase::families());
    const QString stored = QString::fromStdString(setup_.FontName);
    // Faces such as "Times New Roman" may only exist as aliases of installed
    // ones and are not listed; the stored face is added so that an untouched
    // Apply keeps it.
    if (!stored.isEmpty() &&
        Combo1->findText(stored, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        Combo1->addItem(stored);
    Combo1->setCurrentIndex(-1);
    for (int i = 0; i < Combo1->count(); ++i)
        if (Combo1->itemText(i) == stored) Combo1->setCurrentIndex(i);
}

void FrmPageSetup::ChoosePortrait() {
    working_.PageOrient = 1;
    if (working_.PageSizeX > working_.PageSizeY) std::swap(working_.PageSizeX, working_.PageSizeY);
    Picture2->setPixmap(OrientationIcon(false));
    Picture1->DrawPreview(working_);
}

void FrmPageSetup::ChooseLandscape() {
    working_.PageOrient = 2;
    if (working_.PageSizeY > working_.PageSizeX) std::swap(working_.PageSizeX, working_.PageSizeY);
    Picture2->setPixmap(OrientationIcon(true));
    Picture1->DrawPreview(working_);
}

// The paper's sides run the way the working orientation says.
void FrmPageSetup::ChoosePaper(int32_t width, int32_t height) {
    const bool landscape = working_.PageOrient == 2;
    working_.PageSizeX = landscape ? std::max(width, height) : std::min(width, height);
    working_.PageSizeY = landscape ? std::min(width, height) : std::max(width, height);
    ComboKagit->ShowSize(working_.PageSizeX, working_.PageSizeY);
    Picture1->DrawPreview(working_);
}

void FrmPageSetup::TakeMargins() {
    if (!DialogLoaded) return;
    working_.SpaceX1 = V_PFeed[0]->Value();
    working_.SpaceX2 = V_PFeed[1]->Value();
    working_.SpaceY1 = V_PFeed[2]->Value();
    working_.SpaceY2 = V_PFeed[3]->Value();
    const int margins[4] = {working_.SpaceX1, working_.SpaceX2, working_.SpaceY1, working_.SpaceY2};
    marginsChanged_ = true;
    for (int i = 0; i < 4; ++i) PFeed[i]->setText(MarginText(margins[i]));
    Picture1->DrawPreview(working_);
}

void FrmPageSetup::PFeed_Validate(int index) {
    // A whole number, with or without its unit, is taken within the spin
    // control's range; anything else gives way to the value the box had.
    QString text = PFeed[index]->text().trimmed();
    if (text.endsWith(QStringLiteral("mm"))) text.chop(2);
    bool isNumber = false;
    const qlonglong typed = text.trimmed().toLongLong(&isNumber);
    SpinControl* spin = V_PFeed[index];
    if (isNumber)
        spin->SetValue(
            static_cast<int>(std::clamp<qlonglong>(typed, spin->Minimum(), spin->Maximum())));
    const int value = spin->Value();
    PFeed[index]->setText(marginsChanged_ ? MarginText(value) : QString::number(value));
}

bool FrmPageSetup::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 4; ++i) {
        if (watched == PFeed[i]) {
            if (event->type() == QEvent::FocusOut) PFeed_Validate(i);
            if (event->type() == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                    PFeed_Validate(i);
                    return true;
                }
            }
        } else if (watched == V_PFeed[i] && event->type() == QEvent::MouseButtonPress) {
            PFeed_Validate(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmPageSetup::UpdateFontSample() {
    if (!DialogLoaded) return;
    Label3->UpdateFontSample(Combo1->currentText(), Combo2->currentText());
}

void FrmPageSetup::ApplySetup() {
    // A margin typed and applied at once (Alt+U) counts too.
    for (int i = 0; i < 4; ++i) PFeed_Validate(i);
    working_.pTotals = Check1[0]->checkState() == Qt::Checked;
    working_.aTotals = Check1[1]->checkState() == Qt::Checked;
    working_.pNumbers = Check1[2]->checkState() == Qt::Checked;
    const DecimalNumber size = ReadSizeText(Combo2->currentText());
    const std::string face = Combo1->currentText().toStdString();

    const bool changed =
        face != setup_.FontName || working_.SpaceY2 != setup_.SpaceY2 ||
        working_.SpaceY1 != setup_.SpaceY1 || working_.SpaceX2 != setup_.SpaceX2 ||
        working_.SpaceX1 != setup_.SpaceX1 || working_.PageOrient != setup_.PageOrient ||
        working_.PageSizeY != setup_.PageSizeY || working_.PageSizeX != setup_.PageSizeX ||
        working_.pNumbers != setup_.pNumbers || working_.aTotals != setup_.aTotals ||
        working_.pTotals != setup_.pTotals || size.ToDouble() != setup_.FontSize;

    setup_.PageSizeX = working_.PageSizeX;
    setup_.PageSizeY = working_.PageSizeY;
    setup_.PageOrient = working_.PageOrient;
    setup_.SpaceX1 = working_.SpaceX1;
    setup_.SpaceX2 = working_.SpaceX2;
    setup_.SpaceY1 = working_.SpaceY1;
    setup_.SpaceY2 = working_.SpaceY2;
    setup_.FontName = face;
    // Rounded on the exact decimal text, so 10.5 gives 10 and 11.5 gives 12.
    setup_.FontSize = ClampToInt16(ReadLeadingInteger(Combo2->currentText().toStdString()));
    setup_.pTotals = working_.pTotals;
    setup_.aTotals = working_.aTotals;
    setup_.pNumbers = working_.pNumbers;
    // A size typed past what a page can draw is brought within bounds.
    setup_ = SanePageSetup(setup_);

    // The new setup holds for this run whatever the answer; Yes also keeps it
    // for the reports opened later.
    if (changed && AskToKeepSettings()) SaveSettings(setup_, settings_);
    accept();
}

bool FrmPageSetup::AskToKeepSettings() {
    QMessageBox question(QMessageBox::Question, Utf8("Vornak Yazılım"),
                         Utf8("Yaptığınız ayarlamaların kaydedilmesini ve bundan sonra "
                              "oluşturacağınız raporlarda da geçerli olmasını istiyor musunuz?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    return question.exec() == QMessageBox::Yes;
}

void FrmPageSetup::Cancel() {
    reject();
}

}  // namespace Tabulon
