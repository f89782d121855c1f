#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "MemorySettingsBackend.h"
#include "core/SettingsStore.h"
#include "dialogs/FontSample.h"
#include "dialogs/FrmPageSetup.h"
#include "dialogs/PagePreview.h"
#include "dialogs/SpinControl.h"
#include "platform/Twips.h"
#include "viewer/MessageBoxCatcher.h"

namespace {
const QColor Black(0, 0, 0);
const QColor DarkRed(128, 0, 0);

// The built-in page setup: A4 portrait, 15 mm margins, Times New Roman 10 pt,
// every option on.
PageSetup DefaultSetup() {
    return DefaultPageSetup(1);
}

template <typename W>
W* Control(QWidget& form, const QString& name) {
    W* widget = form.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// Types into the size box the way a user does: select all, then the keys.
void TypeSize(QWidget& form, const QString& text) {
    QLineEdit* edit = Control<QComboBox>(form, "Combo2")->lineEdit();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// Presses a button and answers the question that may follow; true when one did.
bool ClickAnswering(QWidget& form, const QString& button, QMessageBox::StandardButton answer,
                    std::vector<MessageBoxCatcher::Shown>* shown = nullptr) {
    MessageBoxCatcher boxes(answer);
    QTest::mouseClick(Control<QPushButton>(form, button), Qt::LeftButton);
    if (shown) *shown = boxes.shown;
    return !boxes.shown.empty();
}

class PageSetupTest : public ::testing::Test {
  protected:
    PageSetup model = DefaultSetup();
    MemorySettingsBackend settings;

    std::unique_ptr<FrmPageSetup> Open() {
        auto form = std::make_unique<FrmPageSetup>(model, settings);
        form->show();
        return form;
    }
    std::string Stored(const std::string& name) {
        return settings.QueryValue(SettingsKeyPath, name).value_or("<missing>");
    }
    static void Click(QWidget& form, const char* name) {
        QTest::mouseClick(Control<QWidget>(form, name), Qt::LeftButton);
    }
    static QStringList MarginTexts(QWidget& form) {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << Control<QLabel>(form, QString("PFeed(%1)").arg(i))->text();
        return texts;
    }
    static void ClickSpin(QWidget& form, int index, bool up) {
        auto* spin = Control<SpinControl>(form, QString("V_PFeed(%1)").arg(index));
        QTest::mouseClick(spin, Qt::LeftButton, {},
                          QPoint(spin->width() / 2, up ? 1 : spin->height() - 2));
    }
    // The colour the preview shows at a point given in its own twips.
    static QColor PreviewAt(QWidget& form, double x, double y) {
        auto* preview = Control<PagePreview>(form, "Picture1");
        const QImage shown = preview->grab().toImage();
        const QPoint at =
            preview->contentsRect().topLeft() + QPoint(PixelsFromTwips(x), PixelsFromTwips(y));
        EXPECT_TRUE(shown.rect().contains(at)) << x << ", " << y;
        return shown.pixelColor(at);
    }
};

// The margin boxes show bare numbers until the first spin, then the unit;
// the spins stop at the ends of their range and the model waits for Apply.
TEST_F(PageSetupTest, OpensWithTheModelsValuesAndSpinsTheMargins) {
    model.SpaceX2 = 29;
    model.SpaceY1 = 5;
    model.aTotals = false;
    model.FontSize = 9;
    auto form = Open();
    EXPECT_TRUE(Control<QRadioButton>(*form, "Option_Dusey")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(*form, "Check1(0)")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(*form, "Check1(1)")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(*form, "Check1(2)")->isChecked());
    EXPECT_EQ(Control<QComboBox>(*form, "Combo2")->currentText(), "9");
    EXPECT_EQ(Control<FontSample>(*form, "Label3")->text(), "Times New Roman 9.pnt");
    EXPECT_EQ(MarginTexts(*form), (QStringList{"15", "29", "5", "15"}));

    ClickSpin(*form, 0, true);
    EXPECT_EQ(MarginTexts(*form), (QStringList{"16mm", "29mm", "5mm", "15mm"}));
    ClickSpin(*form, 1, true);
    ClickSpin(*form, 1, true);   // already at the top of the range
    ClickSpin(*form, 2, false);  // already at the bottom
    ClickSpin(*form, 3, false);
    EXPECT_EQ(MarginTexts(*form), (QStringList{"16mm", "30mm", "5mm", "14mm"}));
    EXPECT_EQ(model.SpaceX1, 15);

    EXPECT_TRUE(ClickAnswering(*form, "Command2", QMessageBox::Yes));
    EXPECT_EQ((std::array{model.SpaceX1, model.SpaceX2, model.SpaceY1, model.SpaceY2}),
              (std::array{16, 30, 5, 14}));
    EXPECT_EQ(Stored("SpaceX2"), "30");
}

// Faces that exist only as aliases are added once so the stored face stays
// selected; listed faces are selected where they are.
TEST_F(PageSetupTest, StoredFaceIsListedOnceAndSelected) {
    for (const char* face : {"Times New Roman", "Liberation Sans"}) {
        model.FontName = face;
        auto form = Open();
        auto* faces = Control<QComboBox>(*form, "Combo1");
        EXPECT_EQ(faces->currentText(), face);
        int found = 0;
        for (int i = 0; i < faces->count(); ++i) found += faces->itemText(i) == face;
        EXPECT_EQ(found, 1) << face;
    }
}

// Apply compares with the setup the dialog opened with: untouched, or turned
// to landscape and back, there is nothing to ask. Cancel, Escape and the
// close box drop every change. Either way nothing is saved.
TEST_F(PageSetupTest, NoDifferenceOrCancelKeepsTheSettingsAndSavesNothing) {
    const PageSetup before = model;
    const auto change = [](FrmPageSetup& form) {
        Click(form, "Option_Yatay");
        ClickSpin(form, 0, true);
        Control<QCheckBox>(form, "Check1(1)")->setChecked(false);
        TypeSize(form, "14");
    };
    const auto turnAndBack = [](FrmPageSetup& form) {
        Click(form, "Option_Yatay");
        Click(form, "Option_Dusey");
    };
    const struct {
        std::function<void(FrmPageSetup&)> act, close;
        QDialog::DialogCode result;
    } cases[] = {
        {[](FrmPageSetup&) {}, [](FrmPageSetup& f) { Click(f, "Command2"); }, QDialog::Accepted},
        {turnAndBack, [](FrmPageSetup& f) { Click(f, "Command2"); }, QDialog::Accepted},
        {change, [](FrmPageSetup& f) { Click(f, "Command3"); }, QDialog::Rejected},
        {change, [](FrmPageSetup& f) { QTest::keyClick(&f, Qt::Key_Escape); }, QDialog::Rejected},
        {change, [](FrmPageSetup& f) { f.close(); }, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        auto form = Open();
        c.act(*form);
        MessageBoxCatcher boxes(QMessageBox::Yes);
        c.close(*form);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), c.result);
        EXPECT_EQ(SettingTexts(model), SettingTexts(before));
        EXPECT_TRUE(settings.values.empty());
    }
}

// The size is compared unrounded (any difference asks) but stored rounded half
// to even.
TEST_F(PageSetupTest, TypedSizeIsComparedExactlyAndStoredRoundedHalfToEven) {
    const struct {
        const char* typed;
        bool asks;
        int16_t stored;
    } cases[] = {
        {"10", false, 10},  {" 10 ", false, 10},  {"10.4", true, 10}, {"10.5", true, 10},
        {"11.5", true, 12}, {"9.5", true, 10},    {"abc", true, 0},   {"", true, 0},
        {"12pt", true, 12}, {"99999", true, 400},  // no page draws a larger font
    };
    for (const auto& c : cases) {
        model = DefaultSetup();
        settings = MemorySettingsBackend();
        auto form = Open();
        TypeSize(*form, c.typed);
        EXPECT_EQ(ClickAnswering(*form, "Command2", QMessageBox::Yes), c.asks) << c.typed;
        EXPECT_EQ(model.FontSize, c.stored) << c.typed;
        EXPECT_EQ(Stored("FontSize"), c.asks ? std::to_string(c.stored) : "<missing>") << c.typed;
    }
}

TEST_F(PageSetupTest, NoKeepsTheNewSetupForTheRunAndSavesNothing) {
    auto form = Open();
    Click(*form, "Option_Yatay");
    Control<QCheckBox>(*form, "Check1(0)")->setChecked(false);
    // A greyed box counts as unchecked.
    Control<QCheckBox>(*form, "Check1(2)")->setCheckState(Qt::PartiallyChecked);
    auto* faces = Control<QComboBox>(*form, "Combo1");
    faces->setCurrentIndex(faces->findText("Liberation Sans"));
    std::vector<MessageBoxCatcher::Shown> asked;
    ClickAnswering(*form, "Command2", QMessageBox::No, &asked);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, QString::fromUtf8("Vornak Yazılım"));
    EXPECT_EQ(asked[0].text,
              QString::fromUtf8("Yaptığınız ayarlamaların kaydedilmesini ve bundan "
                                "sonra oluşturacağınız raporlarda da geçerli olmasını "
                                "istiyor musunuz?"));
    EXPECT_EQ(asked[0].icon, QMessageBox::Question);
    EXPECT_EQ(asked[0].buttons, QMessageBox::Yes | QMessageBox::No);

    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(model.PageOrient, 2);
    EXPECT_EQ(model.PageSizeX, 16838);
    EXPECT_EQ(model.PageSizeY, 11906);
    EXPECT_EQ(model.FontName, "Liberation Sans");
    EXPECT_FALSE(model.pTotals);
    EXPECT_TRUE(model.aTotals);
    EXPECT_FALSE(model.pNumbers);
}

// Any stored orientation other than portrait means landscape.
TEST_F(PageSetupTest, AnOrientationOf0OpensAsLandscapeAndYesStoresAllTwelveValues) {
    model.PageOrient = 0;
    model.PageSizeX = 16838;
    model.PageSizeY = 11906;
    auto form = Open();
    EXPECT_TRUE(Control<QRadioButton>(*form, "Option_Yatay")->isChecked());
    Click(*form, "Check1(1)");
    EXPECT_TRUE(ClickAnswering(*form, "Command2", QMessageBox::Yes));
    EXPECT_EQ(model.PageOrient, 2);
    EXPECT_EQ(settings.writeOrder,
              std::vector<std::string>(SettingNames.begin(), SettingNames.end()));
    EXPECT_EQ(Stored("PageOrient"), "2");
    EXPECT_EQ(Stored("PageSizeX"), "16838");
    EXPECT_EQ(Stored("aTotals"), "False");
    EXPECT_EQ(Stored("FontName"), "Times New Roman");
}

TEST_F(PageSetupTest, ChoosingAnEntryUpdatesTheSampleTypingDoesNot) {
    model.FontName = "Arial";
    auto form = Open();
    auto* sample = Control<FontSample>(*form, "Label3");
    auto* sizes = Control<QComboBox>(*form, "Combo2");
    TypeSize(*form, "14");
    EXPECT_EQ(sample->text(), "Arial 10.pnt");
    // Down from 14 in the list of sizes chooses 15, as a user's key press would.
    sizes->setCurrentIndex(sizes->findText("14"));
    QTest::keyClick(sizes, Qt::Key_Down);
    EXPECT_EQ(sample->text(), "Arial 15.pnt");
    EXPECT_EQ(sample->font().pointSizeF(), 15.0);

    // A typed fraction shows once a face is chosen, in the user's locale.
    TypeSize(*form, "10.5");
    auto* faces = Control<QComboBox>(*form, "Combo1");
    faces->setCurrentIndex(faces->findText("Liberation Sans") - 1);
    QTest::keyClick(faces, Qt::Key_Down);
    EXPECT_EQ(sample->text(), "Liberation Sans 10,5.pnt");
    EXPECT_EQ(sample->font().family(), "Liberation Sans");

    // A size that is not a positive number leaves the sample's size alone.
    TypeSize(*form, "x");
    QTest::keyClick(faces, Qt::Key_Up);
    EXPECT_EQ(sample->text(), faces->currentText() + " 10,5.pnt");
}

// The working size swaps only where the page does not already lie that way.
// The preview's page box runs from (x0, y0) to (pw, ph) itself, and each
// margin line is measured from that box and overhangs it by 80 twips; a
// square page shows as portrait.
TEST_F(PageSetupTest, OrientationSwapsTheWorkingSizeAndThePreview) {
    model.SpaceX1 = 10;
    model.SpaceX2 = 20;
    model.SpaceY1 = 25;
    model.SpaceY2 = 30;
    const struct {
        int32_t x, y;
        const char* option;
        int32_t workingX, workingY;
        int16_t orient;
        double x0, y0, pw, ph;
    } cases[] = {{11906, 16838, "Option_Yatay", 16838, 11906, 2, 100, 500, 3600, 2800},
                 {16838, 11906, "Option_Dusey", 11906, 16838, 1, 500, 100, 2800, 3600},
                 {12000, 12000, "Option_Yatay", 12000, 12000, 2, 500, 100, 2800, 3600},
                 {12000, 12000, "Option_Dusey", 12000, 12000, 1, 500, 100, 2800, 3600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + std::to_string(c.x));
        model.PageSizeX = c.x;
        model.PageSizeY = c.y;
        model.PageOrient = c.orient == 2 ? 1 : 2;
        auto form = Open();
        Click(*form, c.option);
        EXPECT_EQ(form->Working().PageSizeX, c.workingX);
        EXPECT_EQ(form->Working().PageSizeY, c.workingY);
        EXPECT_EQ(form->Working().PageOrient, c.orient);
        EXPECT_EQ(model.PageSizeX, c.x) << "the model waits for Apply";

        const QColor face = form->palette().color(QPalette::Button);
        const double midX = (c.x0 + c.pw) / 2 + 100, midY = (c.y0 + c.ph) / 2 + 100;
        EXPECT_EQ(PreviewAt(*form, c.x0, midY), Black);
        EXPECT_EQ(PreviewAt(*form, c.pw, midY), Black);
        EXPECT_EQ(PreviewAt(*form, midX, c.y0), Black);
        EXPECT_EQ(PreviewAt(*form, midX, c.ph), Black);
        EXPECT_EQ(PreviewAt(*form, midX, midY), face);
        // Nothing where origin plus size would have put the far edge.
        if (c.pw < c.ph)
            EXPECT_EQ(PreviewAt(*form, c.x0 + c.pw, midY), face);
        else
            EXPECT_EQ(PreviewAt(*form, midX, c.y0 + c.ph), face);
        // Outside the box, within the overhang, only the margin lines show;
        // past it they stop.
        EXPECT_EQ(PreviewAt(*form, c.x0 + 10 * 15, c.y0 - 60), DarkRed);
        EXPECT_EQ(PreviewAt(*form, c.pw - 20 * 15, c.ph + 60), DarkRed);
        EXPECT_EQ(PreviewAt(*form, c.x0 - 60, c.y0 + 25 * 15), DarkRed);
        EXPECT_EQ(PreviewAt(*form, c.pw + 60, c.ph - 30 * 15), DarkRed);
        EXPECT_EQ(PreviewAt(*form, c.x0 - 60, midY), face);
        if (c.pw < c.ph)
            EXPECT_EQ(PreviewAt(*form, c.x0 - 120, c.y0 + 25 * 15), face);
        else
            EXPECT_EQ(PreviewAt(*form, c.x0 + 10 * 15, c.y0 - 120), face);
    }
}

TEST_F(PageSetupTest, SpinningAMarginMovesItsLineAndErasesTheOldOne) {
    auto form = Open();
    for (int i = 0; i < 5; ++i) ClickSpin(*form, 0, true);
    EXPECT_EQ(PreviewAt(*form, 500 + 20 * 15, 50), DarkRed);
    EXPECT_EQ(PreviewAt(*form, 500 + 15 * 15, 50), form->palette().color(QPalette::Button));
}
}  // namespace
