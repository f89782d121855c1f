#include <QClipboard>
#include <functional>

#include "ViewerHarness.h"
#include "render/PagePlaces.h"
#include "viewer/PictureBox.h"
#include "viewer/SelectionCommand.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

// The sales report's rows: Kod (zero-padded), Müşteri, Şehir, Tutar; fifty-nine
// rows a page at this page setup.
class Selecting : public ShownViewer {
  protected:
    // The middle of a field (row 0: the column's title) on the page shown, in
    // the canvas's pixels at the window's zoom.
    QPoint At(int64_t row, int column) {
        const ReportPages& pages = W().Pages();
        const std::vector<int64_t> edges =
            ColumnEdges(pages.Inputs(W().Setup(), W().Locale(), {}), pages.fieldCount);
        const int64_t slot = row == 0 ? -1 : (row - 1) % pages.metrics.RowsPerPage;
        const double y = static_cast<double>(RowTop(pages.layout, pages.metrics, slot)) +
                         pages.metrics.RowHeight / 2.0 - (row == 0 ? 50 : 0);
        const double x = static_cast<double>(edges[static_cast<size_t>(column - 1)] +
                                             edges[static_cast<size_t>(column)]) /
                         2.0;
        const double scale = W().ZoomFactor() / 15.0;
        return {static_cast<int>(x * scale), static_cast<int>(y * scale)};
    }
    void Press(int64_t row, int column, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(W().Canvas(), Qt::LeftButton, keys, At(row, column));
    }
    void Drag(int64_t fromRow, int fromColumn, int64_t toRow, int toColumn) {
        QTest::mousePress(W().Canvas(), Qt::LeftButton, {}, At(fromRow, fromColumn));
        QTest::mouseMove(W().Canvas(), At(toRow, toColumn));
        QTest::mouseRelease(W().Canvas(), Qt::LeftButton, {}, At(toRow, toColumn));
    }
    QString Copied() {
        QApplication::clipboard()->clear();
        Key(Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }
};

// Each way of selecting, by the real mouse and keys, from page 1: the lines
// Ctrl+C then copies and what the status bar says of the numbers selected
// (Kod and Tutar are number columns; row i's amount is 37i mod 1000 and a half).
TEST_F(Selecting, TheMouseAndKeysSelectCtrlCCopiesAndTheShadeStays) {
    const int64_t last = W().Pages().metrics.RowsPerPage;  // page 1's last row
    const std::tuple<const char*, std::function<void()>, int, std::string> cases[] = {
        {"a click", [&] { Press(7, 4); }, 1, "Sayı: 1  Toplam: 259,50  Ortalama: 259,50"},
        {"a drag", [&] { Drag(7, 1, 8, 4); }, 2, "Sayı: 4  Toplam: 571,00  Ortalama: 142,75"},
        {"Shift+click onto the next page",
         [&] {
             Press(last, 4);
             Key(Qt::Key_PageDown);
             Press(last + 2, 4, Qt::ShiftModifier);
         },
         3, "Sayı: 3  Toplam: 661,50  Ortalama: 220,50"},
        {"Shift and the arrows",
         [&] {
             Press(7, 1);
             Key(Qt::Key_Down, Qt::ShiftModifier);
             Key(Qt::Key_Right, Qt::ShiftModifier);
         },
         2, "Sayı: 2  Toplam: 15  Ortalama: 7,5"},
        {"a column's title", [&] { Press(0, 3); }, 201, ""},
        {"Ctrl+A", [&] { Key(Qt::Key_A, Qt::ControlModifier); }, 201,
         "Sayı: 400  Toplam: 119.900,00  Ortalama: 299,75"},
    };
    for (const auto& [what, select, lines, note] : cases) {
        Key(Qt::Key_Home);
        W().Selection().Clear();
        select();
        EXPECT_EQ(Copied().count('\n') + 1, lines) << what;
        EXPECT_EQ(W().Status().NoteText().toStdString(), note) << what;
    }

    // The selection is shaded on the screen and stays through zoom and page
    // changes until another report is opened.
    Key(Qt::Key_Home);
    Press(7, 2);
    auto shaded = [this] {
        const QImage image = W().Canvas()->Image();
        const QPoint at = At(7, 2) * image.devicePixelRatio();
        const QColor colour = image.pixelColor(at.x() - 20, at.y());
        return colour == QColor(SelectedShade.r, SelectedShade.g, SelectedShade.b);
    };
    EXPECT_TRUE(shaded());
    Key(Qt::Key_Minus, Qt::ControlModifier);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageUp);
    EXPECT_TRUE(shaded());
    WriteBytes(h.folder.File("baska.txt"), SalesReport(20, "BAŞKA"));
    ASSERT_TRUE(W().OpenReport(h.folder.File("baska.txt")));
    EXPECT_TRUE(W().Selection().Selection().Empty());
    EXPECT_FALSE(shaded());
}

}  // namespace
