#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GuiDriver.h"
#include "MemorySettingsBackend.h"
#include "core/SettingsStore.h"
#include "dialogs/FontSample.h"
#include "dialogs/FrmPageSetup.h"
#include "dialogs/PagePreview.h"
#include "dialogs/SpinControl.h"
#include "platform/Twips.h"

namespace {
const QColor Black(0, 0, 0), DarkRed(128, 0, 0);

// The dialog over a model that starts as the built-in page setup (A4
// portrait, 15 mm margins, Times New Roman 10 pt, every option on).
class PageSetupTest : public ::testing::Test {
  protected:
    PageSetup model = DefaultPageSetup(1);
    MemorySettingsBackend settings;
    std::unique_ptr<FrmPageSetup> form;

    void Open() {
        form = std::make_unique<FrmPageSetup>(model, settings);
        form->show();
    }
    template <typename W = QWidget>
    W* Get(const QString& name) {
        W* widget = form->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void Click(const char* name) { QTest::mouseClick(Get(name), Qt::LeftButton); }
    // Presses Apply answering the question that may follow; what it asked.
    std::vector<MessageBoxCatcher::Shown> Apply(QMessageBox::StandardButton answer) {
        MessageBoxCatcher boxes(answer);
        Click("Command2");
        return boxes.shown;
    }
    // Types into the size box the way a user does: select all, then the keys.
    void TypeSize(const QString& text) {
        QLineEdit* edit = Get<QComboBox>("Combo2")->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void Spin(int margin, bool up) {
        auto* spin = Get<SpinControl>(QString("V_PFeed(%1)").arg(margin));
        QTest::mouseClick(spin, Qt::LeftButton, {},
                          QPoint(spin->width() / 2, up ? 1 : spin->height() - 2));
    }
    QStringList MarginTexts() {
        QStringList texts;
        for (int i = 0; i < 4; ++i) texts << Get<QLabel>(QString("PFeed(%1)").arg(i))->text();
        return texts;
    }
    std::string Stored(const std::string& name) {
        return settings.QueryValue(SettingsKeyPath, name).value_or("<missing>");
    }
    // The colour the preview shows at a point given in its own twips.
    QColor PreviewAt(double x, double y) {
        auto* preview = Get<PagePreview>("Picture1");
        const QImage shown = preview->grab().toImage();
        const QPoint at =
            preview->contentsRect().topLeft() + QPoint(PixelsFromTwips(x), PixelsFromTwips(y));
        EXPECT_TRUE(shown.rect().contains(at)) << x << ", " << y;
        return shown.pixelColor(at);
    }
};

// Any stored orientation other than portrait opens as landscape. The margin
// boxes show bare numbers until the first spin, then the unit; the spins stop
// at the ends of their range and the model waits for Apply, whose Yes stores
// all twelve values in order.
TEST_F(PageSetupTest, OpensWithTheModelsValuesAndYesStoresTheNewOnes) {
    model.PageOrient = 0;
    model.PageSizeX = 16838;
    model.PageSizeY = 11906;
    model.SpaceX2 = 29;
    model.SpaceY1 = 5;
    model.aTotals = false;
    model.FontSize = 9;
    Open();
    EXPECT_TRUE(Get<QRadioButton>("Option_Yatay")->isChecked());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Get<QCheckBox>(QString("Check1(%1)").arg(i))->isChecked(), i != 1) << i;
    EXPECT_EQ(Get<QComboBox>("Combo2")->currentText(), "9");
    EXPECT_EQ(Get<FontSample>("Label3")->text(), "Times New Roman 9.pnt");
    EXPECT_EQ(MarginTexts(), (QStringList{"15", "29", "5", "15"}));
    Spin(0, true);
    EXPECT_EQ(MarginTexts(), (QStringList{"16mm", "29mm", "5mm", "15mm"}));
    Spin(1, true);
    Spin(1, true);   // already at the top of the range
    Spin(2, false);  // already at the bottom
    Spin(3, false);
    EXPECT_EQ(MarginTexts(), (QStringList{"16mm", "30mm", "5mm", "14mm"}));
    EXPECT_EQ(model.SpaceX1, 15);
    Click("Check1(1)");
    EXPECT_EQ(Apply(QMessageBox::Yes).size(), 1u);
    EXPECT_EQ((std::array{model.SpaceX1, model.SpaceX2, model.SpaceY1, model.SpaceY2}),
              (std::array{16, 30, 5, 14}));
    EXPECT_EQ(model.PageOrient, 2);
    EXPECT_EQ(settings.writeOrder,
              std::vector<std::string>(SettingNames.begin(), SettingNames.end()));
    for (const auto& [name, text] : {std::pair{"PageOrient", "2"},
                                     {"PageSizeX", "16838"},
                                     {"SpaceX2", "30"},
                                     {"aTotals", "True"},
                                     {"FontName", "Times New Roman"}})
        EXPECT_EQ(Stored(name), text) << name;
}

// Apply compares with the setup the dialog opened with: untouched, or turned
// to landscape and back, there is nothing to ask. The size is compared
// unrounded (any difference asks) but kept rounded half to even, within what
// a page can draw. Cancel, Escape and the close box drop every change.
TEST_F(PageSetupTest, ApplyAsksOnlyAfterAChangeAndCancelDropsIt) {
    const auto size = [this](const char* typed) { return [this, typed] { TypeSize(typed); }; };
    const auto change = [this] {
        Click("Option_Yatay");
        Spin(0, true);
        Get<QCheckBox>("Check1(1)")->setChecked(false);
        TypeSize("14");
    };
    const struct {
        std::function<void()> act;
        const char* close;  // a button, Escape or the close box
        bool asks;
        int16_t kept;  // the font size afterwards
    } cases[] = {
        {[] {}, "Command2", false, 10},
        {[this] { Click("Option_Yatay"), Click("Option_Dusey"); }, "Command2", false, 10},
        {size(" 10 "), "Command2", false, 10},
        {size("10.4"), "Command2", true, 10},
        {size("10.5"), "Command2", true, 10},
        {size("11.5"), "Command2", true, 12},
        {size("9.5"), "Command2", true, 10},
        {size("abc"), "Command2", true, 0},
        {size(""), "Command2", true, 0},
        {size("12pt"), "Command2", true, 12},
        {size("99999"), "Command2", true, 400},
        {change, "Command3", false, 10},
        {change, "Escape", false, 10},
        {change, "close", false, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.close << " " << c.kept);
        model = DefaultPageSetup(1);
        settings = MemorySettingsBackend();
        Open();
        c.act();
        MessageBoxCatcher boxes(QMessageBox::Yes);
        if (c.close == std::string("Escape"))
            QTest::keyClick(form.get(), Qt::Key_Escape);
        else if (c.close == std::string("close"))
            form->close();
        else
            Click(c.close);
        EXPECT_EQ(boxes.shown.size(), c.asks ? 1u : 0u);
        EXPECT_FALSE(form->isVisible());
        const bool applied = c.close == std::string("Command2");
        EXPECT_EQ(form->result(), applied ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(model.FontSize, c.kept);
        EXPECT_EQ(Stored("FontSize"), c.asks ? std::to_string(c.kept) : "<missing>");
        if (!c.asks) EXPECT_EQ(SettingTexts(model), SettingTexts(DefaultPageSetup(1)));
    }
}

// No keeps the new setup for this run and saves nothing; a greyed box counts
// as unchecked.
TEST_F(PageSetupTest, NoKeepsTheNewSetupForTheRunAndSavesNothing) {
    Open();
    Click("Option_Yatay");
    Get<QCheckBox>("Check1(0)")->setChecked(false);
    Get<QCheckBox>("Check1(2)")->setCheckState(Qt::PartiallyChecked);
    auto* faces = Get<QComboBox>("Combo1");
    faces->setCurrentIndex(faces->findText("Liberation Sans"));
    const auto asked = Apply(QMessageBox::No);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, QString::fromUtf8("Vornak Yazılım"));
    EXPECT_EQ(asked[0].text, QString::fromUtf8("Yaptığınız ayarlamaların kaydedilmesini ve bundan "
                                               "sonra oluşturacağınız raporlarda da geçerli "
                                               "olmasını istiyor musunuz?"));
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

// A face that exists only as an alias is added once so the stored face stays
// selected. Choosing an entry updates the sample, typing does not; a typed
// fraction shows in the user's locale once a face is chosen, and a size that
// is not a positive number leaves the sample's size alone.
TEST_F(PageSetupTest, ChoosingAnEntryUpdatesTheSampleTypingDoesNot) {
    for (const char* face : {"Times New Roman", "Liberation Sans"}) {
        model.FontName = face;
        Open();
        auto* faces = Get<QComboBox>("Combo1");
        EXPECT_EQ(faces->currentText(), face);
        int found = 0;
        for (int i = 0; i < faces->count(); ++i) found += faces->itemText(i) == face;
        EXPECT_EQ(found, 1) << face;
    }
    model.FontName = "Arial";
    Open();
    auto* sample = Get<FontSample>("Label3");
    auto* sizes = Get<QComboBox>("Combo2");
    TypeSize("14");
    EXPECT_EQ(sample->text(), "Arial 10.pnt");
    sizes->setCurrentIndex(sizes->findText("14"));
    QTest::keyClick(sizes, Qt::Key_Down);
    EXPECT_EQ(sample->text(), "Arial 15.pnt");
    EXPECT_EQ(sample->font().pointSizeF(), 15.0);
    TypeSize("10.5");
    auto* faces = Get<QComboBox>("Combo1");
    faces->setCurrentIndex(faces->findText("Liberation Sans") - 1);
    QTest::keyClick(faces, Qt::Key_Down);
    EXPECT_EQ(sample->text(), "Liberation Sans 10,5.pnt");
    EXPECT_EQ(sample->font().family(), "Liberation Sans");
    TypeSize("x");
    QTest::keyClick(faces, Qt::Key_Up);
    EXPECT_EQ(sample->text(), faces->currentText() + " 10,5.pnt");
}

// The working size swaps only where the page does not already lie that way.
// The preview's page box runs from (x0, y0) to (pw, ph) itself, each margin
// line is measured from that box and overhangs it by 80 twips; a square page
// shows as portrait. A spun margin's line moves and the old one goes.
TEST_F(PageSetupTest, OrientationSwapsTheWorkingSizeAndThePreview) {
    const struct {
        int32_t x, y;
        const char* option;
        int32_t workingX, workingY;
        int16_t orient;
        double x0, y0, pw, ph;
    } cases[] = {{11906, 16838, "Option_Yatay", 16838, 11906, 2, 100, 500, 3600, 2800},
                 {16838, 11906, "Option_Dusey", 11906, 16838, 1, 500, 100, 2800, 3600},
                 {12000, 12000, "Option_Yatay", 12000, 12000, 2, 500, 100, 2800, 3600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + std::to_string(c.x));
        model.PageSizeX = c.x;
        model.PageSizeY = c.y;
        model.PageOrient = c.orient == 2 ? 1 : 2;
        model.SpaceX1 = 10, model.SpaceX2 = 20, model.SpaceY1 = 25, model.SpaceY2 = 30;
        Open();
        Click(c.option);
        EXPECT_EQ(form->Working().PageSizeX, c.workingX);
        EXPECT_EQ(form->Working().PageSizeY, c.workingY);
        EXPECT_EQ(form->Working().PageOrient, c.orient);
        EXPECT_EQ(model.PageSizeX, c.x) << "the model waits for Apply";
        const QColor face = form->palette().color(QPalette::Button);
        const double midX = (c.x0 + c.pw) / 2 + 100, midY = (c.y0 + c.ph) / 2 + 100;
        const bool tall = c.pw < c.ph;
        const struct {
            double x, y;
            QColor colour;
        } points[] = {
            {c.x0, midY, Black},
            {c.pw, midY, Black},
            {midX, c.y0, Black},
            {midX, c.ph, Black},
            {midX, midY, face},
            // Nothing where origin plus size would have put the far edge.
            {tall ? c.x0 + c.pw : midX, tall ? midY : c.y0 + c.ph, face},
            // Outside the box, within the overhang, only the margin lines show.
            {c.x0 + 10 * 15, c.y0 - 60, DarkRed},
            {c.pw - 20 * 15, c.ph + 60, DarkRed},
            {c.x0 - 60, c.y0 + 25 * 15, DarkRed},
            {c.pw + 60, c.ph - 30 * 15, DarkRed},
            {c.x0 - 60, midY, face},
            {tall ? c.x0 - 120 : c.x0 + 10 * 15, tall ? c.y0 + 25 * 15 : c.y0 - 120, face}};
        for (const auto& p : points) EXPECT_EQ(PreviewAt(p.x, p.y), p.colour) << p.x << "," << p.y;
        for (int i = 0; i < 5; ++i) Spin(0, true);
        EXPECT_EQ(PreviewAt(c.x0 + 15 * 15, c.y0 - 50), DarkRed);
        EXPECT_EQ(PreviewAt(c.x0 + 10 * 15, c.y0 - 50), face);
    }
}

}  // namespace
