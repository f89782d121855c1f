#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <functional>
#include <map>

#include "GuiDriver.h"
#include "MemorySettingsBackend.h"
#include "core/SettingsStore.h"
#include "dialogs/CustomPaperDialog.h"
#include "dialogs/FontSample.h"
#include "dialogs/FrmPageSetup.h"
#include "dialogs/PagePreview.h"
#include "dialogs/SpinControl.h"

using namespace Tabulon;

namespace {

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
    // Types into the size box the way a user does: select all, then the keys.
    std::function<void()> Size(const char* typed) {
        return [=, this] {
            QLineEdit* edit = Get<QComboBox>("Combo2")->lineEdit();
            edit->selectAll();
            QTest::keyClicks(edit, typed);
        };
    }
    void Spin(int margin, bool up) {
        auto* spin = Get<SpinControl>(QString("V_PFeed(%1)").arg(margin));
        QTest::mouseClick(spin, Qt::LeftButton, {},
                          QPoint(spin->width() / 2, up ? 1 : spin->height() - 2));
    }
    QString Margins() {
        QStringList texts;
        for (int i = 0; i < 4; ++i) texts << Get<QLineEdit>(QString("PFeed(%1)").arg(i))->text();
        return texts.join(' ');
    }
    // Types into a margin box and leaves it by a key, or by its spin control's
    // upper arrow (Key_Up), or not at all, for Apply to take.
    std::function<void()> TypeMargin(int box, const char* typed, Qt::Key key, const char* shown) {
        return [=, this] {
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
            auto* edit = Get<QLineEdit>(QString("PFeed(%1)").arg(box));
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, typed);
            if (key == Qt::Key_Up) Spin(box, true);
            if (key == Qt::Key_Up || key == Qt::Key_unknown) return;
            QTest::keyClick(edit, key);
            EXPECT_TRUE(form->isVisible());  // Enter presses no button
            EXPECT_EQ(Margins().toStdString(), shown);
        };
    }
    // Turns to landscape when asked, then presses Down in the paper list from
    // A4 and sees the list's text. A custom size ("250 300") is typed into its
    // dialog, which "" cancels; the preview's page box's right edge is noted.
    std::map<std::string, int> rights;
    std::function<void()> Paper(bool landscape, int downs, const char* shown,
                                const char* custom = nullptr) {
        return [=, this] {
            if (landscape) Click("Option_Yatay");
            OnModal<CustomPaperDialog> asked([custom](CustomPaperDialog* dialog) {
                const QStringList size = QString(custom).split(' ', Qt::SkipEmptyParts);
                for (int i = 0; i < size.size(); ++i) {
                    auto* box = dialog->findChild<QAbstractSpinBox*>(i ? "Yukseklik" : "Genislik");
                    box->selectAll();
                    QTest::keyClicks(box, size[i]);
                }
                QTest::mouseClick(dialog->findChildren<QPushButton*>()[size.isEmpty()],
                                  Qt::LeftButton);
            });
            auto* paper = Get<QComboBox>("ComboKagit");
            paper->setFocus();
            for (int i = 0; i < downs; ++i) QTest::keyClick(paper, Qt::Key_Down);
            EXPECT_EQ(paper->currentText().toStdString(), shown);
            const QImage preview = Get<PagePreview>("Picture1")->Picture();
            for (int x = 0; x < preview.width(); ++x)
                if (!landscape && preview.pixel(x, preview.height() / 2) == qRgb(0, 0, 0))
                    rights[shown] = x;
        };
    }
};

// The values that differ from the built-in setup's, as "Name=text;" in their
// stored order, and "FitToPaper=True;" when it is on.
std::string Changes(const PageSetup& setup) {
    const auto builtIn = SettingTexts(DefaultPageSetup(1)), texts = SettingTexts(setup);
    std::string text;
    for (size_t i = 0; i < SettingNames.size(); ++i)
        if (texts[i] != builtIn[i]) text += SettingNames[i] + "=" + texts[i] + ";";
    return text + (setup.FitToPaper ? FitToPaperName + "=True;" : "");
}

const std::string Question =
    "Vornak Yazılım [question Yes No] Yaptığınız ayarlamaların kaydedilmesini ve bundan "
    "sonra oluşturacağınız raporlarda da geçerli olmasını istiyor musunuz?";

// Any stored orientation other than portrait opens as landscape, and Apply
// hands the other values back as they were. A face that exists only as an
// alias is listed once, so the stored face stays selected.
// The margin boxes show bare numbers until the first spin, then the unit; the
// spins stop at the ends of their range and the model waits for Apply.
TEST_F(PageSetupTest, OpensWithTheModelsValuesAndSpinsTheMargins) {
    model.PageOrient = 0, model.SpaceX2 = 29, model.SpaceY1 = 5, model.FontSize = 9;
    model.aTotals = false, model.FitToPaper = true, model.FontName = "Arial";
    Open();
    auto* faces = Get<QComboBox>("Combo1");
    int listed = 0;
    for (int i = 0; i < faces->count(); ++i) listed += faces->itemText(i) == "Arial";
    EXPECT_EQ(listed, 1);
    EXPECT_EQ(Get<FontSample>("Label3")->text(), "Arial 9.pnt");
    Click("CheckSigdir");
    EXPECT_EQ(Margins(), "15 29 5 15");
    for (auto [margin, up] : {std::pair{0, true}, {1, true}, {1, true}, {2, false}, {3, false}})
        Spin(margin, up);
    EXPECT_EQ(Margins(), "16mm 30mm 5mm 14mm");
    EXPECT_EQ(model.SpaceX1, 15);
    MessageBoxCatcher no(QMessageBox::No);
    Click("Command2");
    EXPECT_EQ(Changes(model),
              "PageSizeX=16838;PageSizeY=11906;PageOrient=2;SpaceX1=16;SpaceX2=30;"
              "SpaceY1=5;SpaceY2=14;FontName=Arial;FontSize=9;aTotals=False;");
}

// Apply compares with the setup the dialog opened with: untouched, or turned
// to landscape and back, there is nothing to ask. The size is compared
// unrounded (any difference asks) but kept rounded half to even, within what
// a page can draw. The new setup holds for the run whatever the answer; Yes
// also stores it. A greyed box counts as unchecked. Cancel drops every change.
TEST_F(PageSetupTest, ApplyAsksOnlyAfterAChangeAndCancelDropsIt) {
    enum Then { Silent, AskNo, AskYes, Cancel };  // Apply and the question's answer, or İptal
    // What is done, then, and the model's values afterwards as changed from the defaults.
    const std::tuple<std::function<void()>, Then, std::string> cases[] = {
        {[] {}, Silent, ""},
        {[this] { Click("Option_Yatay"), Click("Option_Dusey"); }, Silent, ""},
        {Size(" 10 "), Silent, ""},
        {Size("10.4"), AskYes, ""},
        {Size("11.5"), AskYes, "FontSize=12;"},
        {Size("99999"), AskYes, "FontSize=400;"},
        {[this] { Click("Check1(1)"), Click("CheckSigdir"); }, AskYes,
         "aTotals=False;FitToPaper=True;"},
        {[this] {
             Get<QCheckBox>("Check1(0)")->setChecked(false);
             Get<QCheckBox>("Check1(2)")->setCheckState(Qt::PartiallyChecked);
             Get<QComboBox>("Combo1")->setCurrentText("Liberation Sans");
         },
         AskNo, "FontName=Liberation Sans;pTotals=False;pNumbers=False;"},
        // A typed margin is taken within the spin range, a spin steps on from
        // it, and text that is no number gives way to the value before.
        {TypeMargin(3, "22mm", Qt::Key_Tab, "15mm 15mm 15mm 22mm"), AskNo, "SpaceY2=22;"},
        {TypeMargin(1, "99", Qt::Key_Return, "15mm 30mm 15mm 15mm"), AskNo, "SpaceX2=30;"},
        {TypeMargin(2, "24", Qt::Key_Up, ""), AskNo, "SpaceY1=25;"},
        {TypeMargin(0, "abc", Qt::Key_Return, "15 15 15 15"), Silent, ""},
        {TypeMargin(1, "12", Qt::Key_unknown, ""), AskNo, "SpaceX2=12;"},
        // A paper is stored in the working orientation and turning keeps it.
        {Paper(false, 0, "A4"), Silent, ""},
        {Paper(false, 1, "A3"), AskNo, "PageSizeX=16838;PageSizeY=23811;"},
        {Paper(true, 1, "A3"), AskNo, "PageSizeX=23811;PageOrient=2;"},
        // A custom size in millimetres; İptal keeps the paper passed on the way.
        {Paper(false, 7, "Özel 250 x 300 mm", "250 300"), AskNo,
         "PageSizeX=14173;PageSizeY=17008;"},
        {Paper(false, 7, "Sürekli form 380 x 280 mm", ""), AskNo,
         "PageSizeX=15840;PageSizeY=21600;"},
        {Size("14"), Cancel, ""},
        {TypeMargin(1, "12", Qt::Key_unknown, ""), Cancel, ""},
    };
    for (const auto& [act, then, kept] : cases) {
        SCOPED_TRACE(testing::Message() << then << " " << kept);
        model = DefaultPageSetup(1), settings = MemorySettingsBackend();
        Open();
        act();
        MessageBoxCatcher boxes(then == AskYes ? QMessageBox::Yes : QMessageBox::No);
        Click(then == Cancel ? "Command3" : "Command2");
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), then == Cancel ? QDialog::Rejected : QDialog::Accepted);
        EXPECT_EQ(Changes(model), kept);
        EXPECT_EQ(settings.written.empty(), then != AskYes);
        if (then == AskYes) {
            EXPECT_EQ(LoadSettings(settings, [] { return int16_t{1}; }).setup, model);
        }
        const bool asks = then == AskNo || then == AskYes;
        EXPECT_EQ(boxes.shown, std::vector<std::string>(asks, Question));
    }
    // The preview's page box grows with the paper.
    EXPECT_LT(rights["A4"], rights["A3"]);
}

}  // namespace
