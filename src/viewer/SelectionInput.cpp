#include "viewer/SelectionInput.h"

#include <QAction>
#include <QMenu>
#include <optional>

#include "input/SplitFields.h"
#include "render/DisplayPattern.h"
#include "viewer/FindCommand.h"
#include "viewer/FrmTabul.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/SelectionCommand.h"

namespace Tabulon {

namespace {

// The title or field under a point of the canvas, which shows the page at
// the window's zoom.
std::optional<PagePlace> PlaceUnder(FrmTabul& w, QPointF twips) {
    const float zoom = w.ZoomFactor() > 0 ? w.ZoomFactor() : 1.0f;
    const ReportPages& pages = w.Pages();
    return PlaceAt(pages.Inputs(w.Setup(), w.Locale(), {}), w.CurrentPage(), pages.fieldCount,
                   twips.x() / zoom, twips.y() / zoom);
}

// A field's text as the page shows it.
QString ShownText(FrmTabul& w, const PagePlace& place) {
    const ReportPages& pages = w.Pages();
    RecordBlock block;
    std::string error;
    if (place.Title() || !pages.rows.Read(place.row, 1, block, error) || block.texts.empty())
        return {};
    const RowFields fields = SplitFields(block.texts.front());
    return QString::fromStdString(
        FormatField(fields[place.column],
                    pages.layout.ColumnFormats[static_cast<size_t>(place.column)], w.Locale()));
}

void ShowContextMenu(FrmTabul& w, QPoint global, QPointF twips) {
    SelectionCommand& selection = w.Selection();
    MainMenu& m = w.Menu();
    const std::optional<PagePlace> place = PlaceUnder(w, twips);
    if (place && !place->Title() && !selection.Selection().Contains(place->row, place->column))
        selection.Press(*place, false);
    selection.Release();
    QMenu menu(&w);
    menu.addAction(m.Copy);
    QAction* column = menu.addAction(QString::fromUtf8("Sütunu Seç"));
    menu.addAction(m.SelectAll);
    QAction* find = menu.addAction(QString::fromUtf8("Bu Metni Bul"));
    const QString text = place ? ShownText(w, *place) : QString();
    find->setEnabled(!text.trimmed().isEmpty());
    menu.addAction(m.Filter);
    menu.addAction(m.RemoveFilter);
    menu.addSeparator();
    menu.addMenu(m.GOR_01);
    for (QAction* page : {m.GOR_02, m.GOR_03, m.GOR_04, m.GOR_05}) menu.addAction(page);
    QAction* chosen = menu.exec(global);
    if (chosen == column)
        selection.SelectColumn(place ? std::optional(place->column) : std::nullopt);
    if (chosen == find) w.Finder().FindText(text.trimmed());
}

}  // namespace

void ConnectSelectionInput(FrmTabul& w) {
    PictureBox* canvas = w.Canvas();
    SelectionCommand& selection = w.Selection();
    QObject::connect(
        canvas, &PictureBox::PressedAt, &w,
        [&w, &selection](Qt::MouseButton button, Qt::KeyboardModifiers keys, QPointF twips) {
            if (button != Qt::LeftButton) return;
            if (const auto place = PlaceUnder(w, twips))
                selection.Press(*place, keys & Qt::ShiftModifier);
        });
    QObject::connect(canvas, &PictureBox::MovedAt, &w,
                     [&w, &selection](Qt::MouseButtons buttons, QPointF twips) {
                         if (!(buttons & Qt::LeftButton)) return;
                         if (const auto place = PlaceUnder(w, twips)) selection.DragTo(*place);
                     });
    QObject::connect(canvas, &PictureBox::MouseUp, &w,
                     [&selection](Qt::MouseButton, float) { selection.Release(); });
    QObject::connect(canvas, &PictureBox::MenuAskedAt, &w,
                     [&w](QPoint global, QPointF twips) { ShowContextMenu(w, global, twips); });

    // Shift and an arrow move the selection's far corner.
    const struct {
        Qt::Key key;
        int64_t rows;
        int columns;
    } moves[] = {
        {Qt::Key_Up, -1, 0}, {Qt::Key_Down, 1, 0}, {Qt::Key_Left, 0, -1}, {Qt::Key_Right, 0, 1}};
    for (const auto& move : moves) {
        auto* action = new QAction(&w);
        action->setShortcut(QKeySequence(Qt::SHIFT | move.key));
        action->setShortcutContext(Qt::WindowShortcut);
        w.addAction(action);
        QObject::connect(action, &QAction::triggered, &w,
                         [&selection, move] { selection.Extend(move.rows, move.columns); });
    }
}

}  // namespace Tabulon
