#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>

#include "ViewerHarness.h"
#include "viewer/FoundFieldsDock.h"
#include "viewer/PictureBox.h"
#include "viewer/SelectionCommand.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

class FindBarTest : public ShownViewer {
  protected:
    FindBar& Bar() { return *W().Finder().Bar(); }
    // Ctrl+F, the text typed over what was there, the column and "Tam alan"
    // chosen, then Enter; back once every hit is counted.
    void Search(const QString& text, const QString& column = QString::fromUtf8("Tüm sütunlar"),
                bool whole = false) {
        Key(Qt::Key_F, Qt::ControlModifier);
        ASSERT_EQ(QApplication::focusWidget(), Bar().TextBox());
        Bar().ColumnBox()->setCurrentText(column);
        if (Bar().WholeBox()->isChecked() != whole)
            QTest::mouseClick(Bar().WholeBox(), Qt::LeftButton, {}, QPoint(4, 4));
        Bar().TextBox()->setFocus();
        Bar().TextBox()->selectAll();
        TypeText(Bar().TextBox(), text);
        QSignalSpy done(&W().Finder(), &FindCommand::CountDone);
        QTest::keyClick(Bar().TextBox(), Qt::Key_Return);
        if (W().Finder().Counting()) {
            ASSERT_TRUE(done.wait(10000));
        }
    }
    QString Count() { return Bar().CountLabel()->text(); }
    int Shaded(Rgb shade) {
        const QImage& page = W().Canvas()->Image();
        const QRgb wanted = qRgb(shade.r, shade.g, shade.b);
        int count = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) count += page.pixel(x, y) == wanted;
        return count;
    }
};

// The column and "Tam alan" chosen in the bar reach the search: "Müşteri 1"
// stands inside "Müşteri 10".."16" too, whole only in "Müşteri 1", and no
// customer lives in Ankara.
TEST_F(FindBarTest, TheBarsChoicesDecideTheHitsAndTheCount) {
    for (const auto& [text, column, whole, count] :
         {std::tuple{"müşteri 1", "Tüm sütunlar", false, "1 / 93"},
          {"müşteri 1", "Tüm sütunlar", true, "1 / 12"},
          {"ankara", "Müşteri", false, "– / 0"}}) {
        W().Finder().Forget();
        W().TurnToPage(1);
        Search(QString::fromUtf8(text), QString::fromUtf8(column), whole);
        EXPECT_EQ(Count().toStdString(), count) << text;
    }
}

// Enter and F3 move the place in the count, Shift+F3 back round the start
// to the last page and F3 on round the end, each with a note; the hit shown
// is shaded strongly, the other hits on the page lightly; Esc in the bar
// closes it and leaves the selection.
TEST_F(FindBarTest, KeysMoveThroughTheHitsAndEscClosesTheBar) {
    W().Selection().SelectAll();
    Search(QString::fromUtf8("Müşteri 3"));
    EXPECT_EQ(Count(), "1 / 12");
    EXPECT_GT(Shaded(FoundShade), 80);
    EXPECT_GT(Shaded(OtherFoundShade), 80 * 2);
    QTest::keyClick(Bar().TextBox(), Qt::Key_Return);
    EXPECT_EQ(Count(), "2 / 12");
    Key(Qt::Key_F3);
    EXPECT_EQ(Count(), "3 / 12");
    Key(Qt::Key_F3, Qt::ShiftModifier);
    Key(Qt::Key_F3, Qt::ShiftModifier);
    Key(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Count(), "12 / 12");
    EXPECT_EQ(W().Finder().Hit()->row, 190);
    EXPECT_EQ(W().CurrentPage(), 4);
    EXPECT_TRUE(W().Status().NoteText().contains("sondan"));
    Key(Qt::Key_F3);
    EXPECT_EQ(Count(), "1 / 12");
    EXPECT_EQ(W().CurrentPage(), 1);
    EXPECT_TRUE(W().Status().NoteText().contains("baştan"));
    Bar().TextBox()->setFocus();
    QTest::keyClick(Bar().TextBox(), Qt::Key_Escape);
    EXPECT_FALSE(Bar().isVisible());
    EXPECT_FALSE(W().Selection().Selection().Empty());
    Key(Qt::Key_Escape);
    EXPECT_TRUE(W().Selection().Selection().Empty());
}

// "Bulunanlar" lists every hit with its page, row, column title and text; a
// click on a line shows that field. "Süz" then makes the window a report of
// the kept rows; "Süzgeci Kaldır" brings the whole report back.
TEST_F(FindBarTest, TheHitListGoesToAHitAndTheFilterKeepsTheHits) {
    Search(QString::fromUtf8("Müşteri 3"));
    Menu().FoundList->trigger();
    QTableView* view = W().Finder().Dock()->View();
    ASSERT_TRUE(view->isVisible());
    const QAbstractItemModel* model = view->model();
    ASSERT_EQ(model->rowCount(), 12);
    const int line = 10;  // row 173
    QStringList texts;
    for (int column = 0; column < 4; ++column)
        texts << model->index(line, column).data().toString();
    EXPECT_EQ(texts.join('|'), QString::fromUtf8("3|173|Müşteri|Müşteri 3"));  // 59 rows a page
    const QModelIndex index = model->index(line, 3);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    EXPECT_EQ(W().CurrentPage(), 3);
    EXPECT_EQ(Count(), "11 / 12");

    QTest::mouseClick(Bar().widgetForAction(Bar().FilterAction()), Qt::LeftButton);
    EXPECT_EQ(W().Pages().rows.RecordCount(), 12);
    EXPECT_EQ(W().PageCount(), 1);
    EXPECT_FALSE(W().Finder().Hit());
    EXPECT_TRUE(W().Status().FilterText().contains(QString::fromUtf8("12 satır")));
    Menu().RemoveFilter->trigger();
    EXPECT_EQ(W().Pages().rows.RecordCount(), 200);
    EXPECT_EQ(W().PageCount(), 4);
    EXPECT_TRUE(W().Status().FilterText().isEmpty());
    EXPECT_FALSE(Menu().RemoveFilter->isEnabled());
}

}  // namespace
