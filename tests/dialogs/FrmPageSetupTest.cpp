#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "PageSetupTestSupport.h"
#include "core/SettingsStore.h"
#include "dialogs/FontSample.h"
#include "dialogs/SpinControl.h"

namespace {

const QString Question = QString::fromUtf8(
    "Yaptığınız ayarlamaların kaydedilmesini ve bundan sonra oluşturacağınız raporlarda da "
    "geçerli olmasını istiyor musunuz?");

class PageSetupTest : public ::testing::Test {
  protected:
    ReportModel model = DefaultSetup();
    MemorySettingsBackend settings;

    std::unique_ptr<FrmPageSetup> Open() {
        auto form = std::make_unique<FrmPageSetup>(model, settings);
        form->show();
        return form;
    }
    std::string Stored(const std::string& name) {
        return settings.QueryValue(SettingsKeyPath, name).value_or("<missing>");
    }
    QStringList MarginTexts(QWidget& form) {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << Control<QLabel>(form, QString("PFeed(%1)").arg(i))->text();
        return texts;
    }
    void ClickSpin(QWidget& form, int index, bool up) {
        auto* spin = Control<SpinControl>(form, QString("V_PFeed(%1)").arg(index));
        const QPoint at(spin->width() / 2, up ? 1 : spin->height() - 2);
        QTest::mouseClick(spin, Qt::LeftButton, {}, at);
    }
};

TEST_F(PageSetupTest, OpensWithTheModelsValues) {
    model.SpaceX1 = 10;
    model.SpaceX2 = 20;
    model.SpaceY1 = 25;
    model.SpaceY2 = 30;
    model.aTotals = false;
    model.FontSize = 9;
    auto form = Open();

    EXPECT_TRUE(Control<QRadioButton>(*form, "Option_Dusey")->isChecked());
    EXPECT_EQ(MarginTexts(*form), (QStringList{"10", "20", "25", "30"}));
    const int spins[4] = {10, 20, 25, 30};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Control<SpinControl>(*form, QString("V_PFeed(%1)").arg(i))->Value(), spins[i]);
    EXPECT_TRUE(Control<QCheckBox>(*form, "Check1(0)")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(*form, "Check1(1)")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(*form, "Check1(2)")->isChecked());
    auto* sizes = Control<QComboBox>(*form, "Combo2");
    EXPECT_EQ(sizes->currentText(), "9");
    ASSERT_EQ(sizes->count(), 18);
    EXPECT_EQ(sizes->itemText(0), "7");
    EXPECT_EQ(sizes->itemText(17), "24");
    EXPECT_EQ(Control<FontSample>(*form, "Label3")->text(), "Times New Roman 9.pnt");
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
        EXPECT_GT(faces->count(), 1);
    }
}

TEST_F(PageSetupTest, UntouchedApplyAsksNothingAndSavesNothing) {
    const ReportModel before = model;
    auto form = Open();
    const QuestionSeen seen = ClickAnswering(*form, "Command2", QMessageBox::Yes);
    EXPECT_FALSE(seen.asked);
    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(SettingTexts(model), SettingTexts(before));
}

TEST_F(PageSetupTest, CancelKeepsTheSettingsWhicheverWayTheDialogCloses) {
    const ReportModel before = model;
    const std::function<void(FrmPageSetup&)> closers[] = {
        [](FrmPageSetup& form) {
            QTest::mouseClick(Control<QPushButton>(form, "Command3"), Qt::LeftButton);
        },
        [](FrmPageSetup& form) { QTest::keyClick(&form, Qt::Key_Escape); },
        [](FrmPageSetup& form) { form.close(); },
    };
    for (const auto& close : closers) {
        auto form = Open();
        QTest::mouseClick(Control<QRadioButton>(*form, "Option_Yatay"), Qt::LeftButton);
        ClickSpin(*form, 0, true);
        Control<QCheckBox>(*form, "Check1(1)")->setChecked(false);
        TypeSize(*form, "14");
        close(*form);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Rejected);
        EXPECT_EQ(SettingTexts(model), SettingTexts(before));
        EXPECT_TRUE(settings.values.empty());
    }
}

TEST_F(PageSetupTest, OrientationSwapsTheWorkingSizeOnlyWhenNeeded) {
    struct Case {
        int32_t x, y;
        const char* option;
        int32_t expectX, expectY;
        int16_t expectOrient;
    } cases[] = {
        {11906, 16838, "Option_Yatay", 16838, 11906, 2},
        {16838, 11906, "Option_Dusey", 11906, 16838, 1},
        {12000, 12000, "Option_Yatay", 12000, 12000, 2},
    };
    for (const Case& c : cases) {
        model.PageSizeX = c.x;
        model.PageSizeY = c.y;
        model.PageOrient = c.expectOrient == 2 ? 1 : 2;
        auto form = Open();
        QTest::mouseClick(Control<QRadioButton>(*form, c.option), Qt::LeftButton);
        EXPECT_EQ(form->Working().PageSizeX, c.expectX) << c.option;
        EXPECT_EQ(form->Working().PageSizeY, c.expectY) << c.option;
        EXPECT_EQ(form->Working().PageOrient, c.expectOrient);
        EXPECT_EQ(model.PageSizeX, c.x) << "the model waits for Apply";
    }
}

TEST_F(PageSetupTest, OrientationRoundTripRestoresTheSize) {
    auto form = Open();
    QTest::mouseClick(Control<QRadioButton>(*form, "Option_Yatay"), Qt::LeftButton);
    QTest::mouseClick(Control<QRadioButton>(*form, "Option_Dusey"), Qt::LeftButton);
    EXPECT_EQ(form->Working().PageSizeX, 11906);
    EXPECT_EQ(form->Working().PageSizeY, 16838);
    // Back where it started: nothing to ask.
    EXPECT_FALSE(ClickAnswering(*form, "Command2", QMessageBox::Yes).asked);
}

TEST_F(PageSetupTest, MarginBoxesShowTheUnitAfterTheFirstSpin) {
    model.SpaceX2 = 29;
    model.SpaceY1 = 5;
    auto form = Open();
    EXPECT_EQ(MarginTexts(*form), (QStringList{"15", "29", "5", "15"}));
    ClickSpin(*form, 0, true);
    EXPECT_EQ(MarginTexts(*form), (QStringList{"16mm", "29mm", "5mm", "15mm"}));
    ClickSpin(*form, 1, true);
    ClickSpin(*form, 1, true);   // already at the top of the range
    ClickSpin(*form, 2, false);  // already at the bottom
    ClickSpin(*form, 3, false);
    EXPECT_EQ(MarginTexts(*form), (QStringList{"16mm", "30mm", "5mm", "14mm"}));
    const PageSetupWorkingCopy& w = form->Working();
    EXPECT_EQ((std::array{w.SpaceX1, w.SpaceX2, w.SpaceY1, w.SpaceY2}),
              (std::array{16, 30, 5, 14}));
    EXPECT_EQ(model.SpaceX1, 15) << "the model waits for Apply";

    QuestionSeen seen = ClickAnswering(*form, "Command2", QMessageBox::Yes);
    EXPECT_TRUE(seen.asked);
    EXPECT_EQ((std::array{model.SpaceX1, model.SpaceX2, model.SpaceY1, model.SpaceY2}),
              (std::array{16, 30, 5, 14}));
    EXPECT_EQ(Stored("SpaceX2"), "30");
}

// The size is compared unrounded (any difference asks) but stored rounded half
// to even.
TEST_F(PageSetupTest, TypedSizeIsComparedExactlyAndStoredRoundedHalfToEven) {
    struct Case {
        const char* typed;
        bool asks;
        int16_t stored;
    } cases[] = {
        {"10", false, 10},  {" 10 ", false, 10},    {"10.4", true, 10}, {"10.5", true, 10},
        {"11.5", true, 12}, {"9.5", true, 10},      {"abc", true, 0},   {"", true, 0},
        {"12pt", true, 12}, {"99999", true, 32767},
    };
    for (const Case& c : cases) {
        model = DefaultSetup();
        settings = MemorySettingsBackend();
        auto form = Open();
        TypeSize(*form, c.typed);
        const QuestionSeen seen = ClickAnswering(*form, "Command2", QMessageBox::Yes);
        EXPECT_EQ(seen.asked, c.asks) << c.typed;
        EXPECT_EQ(model.FontSize, c.stored) << c.typed;
        EXPECT_EQ(Stored("FontSize"), c.asks ? std::to_string(c.stored) : "<missing>") << c.typed;
    }
}

TEST_F(PageSetupTest, TheQuestionIsATurkishYesNoQuestion) {
    auto form = Open();
    TypeSize(*form, "12");
    const QuestionSeen seen = ClickAnswering(*form, "Command2", QMessageBox::No);
    ASSERT_TRUE(seen.asked);
    EXPECT_EQ(seen.title, QString::fromUtf8("Vornak Yazılım"));
    EXPECT_EQ(seen.text, Question);
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_TRUE(seen.hadYesAndNo);
}

TEST_F(PageSetupTest, NoKeepsTheNewSetupForTheRunAndSavesNothing) {
    auto form = Open();
    QTest::mouseClick(Control<QRadioButton>(*form, "Option_Yatay"), Qt::LeftButton);
    Control<QCheckBox>(*form, "Check1(0)")->setChecked(false);
    // A greyed box counts as unchecked.
    Control<QCheckBox>(*form, "Check1(2)")->setCheckState(Qt::PartiallyChecked);
    auto* faces = Control<QComboBox>(*form, "Combo1");
    faces->setCurrentIndex(faces->findText("Liberation Sans"));
    EXPECT_TRUE(ClickAnswering(*form, "Command2", QMessageBox::No).asked);

    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(model.PageOrient, 2);
    EXPECT_EQ(model.PageSizeX, 16838);
    EXPECT_EQ(model.PageSizeY, 11906);
    EXPECT_EQ(model.FontName, "Liberation Sans");
    EXPECT_FALSE(model.pTotals);
    EXPECT_TRUE(model.aTotals);
    EXPECT_FALSE(model.pNumbers);
}

TEST_F(PageSetupTest, YesStoresAllTwelveValues) {
    auto form = Open();
    QTest::mouseClick(Control<QRadioButton>(*form, "Option_Yatay"), Qt::LeftButton);
    QTest::mouseClick(Control<QCheckBox>(*form, "Check1(1)"), Qt::LeftButton);
    EXPECT_TRUE(ClickAnswering(*form, "Command2", QMessageBox::Yes).asked);
    EXPECT_EQ(settings.writeOrder,
              std::vector<std::string>(SettingNames.begin(), SettingNames.end()));
    EXPECT_EQ(Stored("PageOrient"), "2");
    EXPECT_EQ(Stored("PageSizeX"), "16838");
    EXPECT_EQ(Stored("aTotals"), "False");
    EXPECT_EQ(Stored("FontName"), "Times New Roman");
}

TEST_F(PageSetupTest, AnOrientationOtherThanPortraitOpensAsLandscapeAndStoresTwo) {
    model.PageOrient = 0;
    model.PageSizeX = 16838;
    model.PageSizeY = 11906;
    auto form = Open();
    EXPECT_TRUE(Control<QRadioButton>(*form, "Option_Yatay")->isChecked());
    EXPECT_EQ(form->Working().PageOrient, 2);
    EXPECT_TRUE(ClickAnswering(*form, "Command2", QMessageBox::Yes).asked);
    EXPECT_EQ(model.PageOrient, 2);
    EXPECT_EQ(Stored("PageOrient"), "2");
}

TEST_F(PageSetupTest, ChoosingAnEntryUpdatesTheSampleTypingDoesNot) {
    model.FontName = "Arial";
    auto form = Open();
    auto* sample = Control<FontSample>(*form, "Label3");
    EXPECT_EQ(sample->text(), "Arial 10.pnt");
    EXPECT_EQ(sample->font().family(), "Arial");

    auto* sizes = Control<QComboBox>(*form, "Combo2");
    TypeSize(*form, "14");
    EXPECT_EQ(sample->text(), "Arial 10.pnt");

    // Down from 14 in the list of sizes chooses 15, as a user's key press would.
    sizes->setCurrentIndex(sizes->findText("14"));
    QTest::keyClick(sizes, Qt::Key_Down);
    EXPECT_EQ(sizes->currentText(), "15");
    EXPECT_EQ(sample->text(), "Arial 15.pnt");
    EXPECT_EQ(sample->font().pointSizeF(), 15.0);

    // A typed fraction shows once a face is chosen, in the user's locale.
    TypeSize(*form, "10.5");
    auto* faces = Control<QComboBox>(*form, "Combo1");
    const int sans = faces->findText("Liberation Sans");
    ASSERT_GE(sans, 0);
    faces->setCurrentIndex(sans - 1);
    QTest::keyClick(faces, Qt::Key_Down);
    EXPECT_EQ(sample->text(), "Liberation Sans 10,5.pnt");
    EXPECT_EQ(sample->font().family(), "Liberation Sans");

    // A size that is not a positive number leaves the sample's size alone.
    TypeSize(*form, "x");
    QTest::keyClick(faces, Qt::Key_Up);
    EXPECT_EQ(sample->text(), faces->currentText() + " 10,5.pnt");
}

TEST_F(PageSetupTest, ControlsSitWhereTheFormPlacesThem) {
    auto form = Open();
    EXPECT_EQ(form->size(), QSize(794, 347));
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Yazdırma Tercihleri"));
    // Each spin control sits inside the right end of its value box.
    for (int i = 0; i < 4; ++i) {
        const QRect box = Control<QLabel>(*form, QString("PFeed(%1)").arg(i))->geometry();
        const QRect spin = Control<SpinControl>(*form, QString("V_PFeed(%1)").arg(i))->geometry();
        EXPECT_EQ(spin.top(), box.top() + 2);
        EXPECT_EQ(spin.height(), box.height() - 4);
        EXPECT_EQ(spin.right(), box.right() - 2);
        EXPECT_TRUE(box.contains(spin));
    }
    struct Bold {
        const char* name;
        bool bold;
    } fonts[] = {{"PFeed(0)", true}, {"Label1", true},       {"Label2", true},
                 {"Command2", true}, {"Command3", false},    {"Check1(0)", false},
                 {"Combo1", false},  {"Option_Yatay", false}};
    for (const Bold& f : fonts) {
        const QFont font = Control<QWidget>(*form, f.name)->font();
        EXPECT_EQ(font.bold(), f.bold) << f.name;
        EXPECT_EQ(font.family(), "Arial") << f.name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25) << f.name;
    }
}

}  // namespace
