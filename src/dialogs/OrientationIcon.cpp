#include "dialogs/OrientationIcon.h"

#include <QPainter>
#include <QPolygon>

namespace Tabulon {

namespace {
constexpr int IconSize = 30;
constexpr int Fold = 7;
}  // namespace

QPixmap OrientationIcon(bool landscape) {
    // Drawn for portrait; the landscape picture is the same page turned on its
    // side and mirrored so the fold sits at the top left.
    const QRect page = landscape ? QRect(2, 7, 26, 18) : QRect(7, 2, 16, 26);
    const int l = page.left(), t = page.top(), r = page.right(), b = page.bottom();

    QPixmap icon(IconSize, IconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing, false);

    QPolygon outline;
    QPolygon flap;
    if (landscape) {
        outline << QPoint(l + Fold, t) << QPoint(r, t) << QPoint(r, b) << QPoint(l, b)
                << QPoint(l, t + Fold);
        flap << QPoint(l + Fold, t) << QPoint(l + Fold, t + Fold) << QPoint(l, t + Fold);
    } else {
        outline << QPoint(l, t) << QPoint(r - Fold, t) << QPoint(r, t + Fold) << QPoint(r, b)
                << QPoint(l, b);
        flap << QPoint(r - Fold, t) << QPoint(r - Fold, t + Fold) << QPoint(r, t + Fold);
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(outline);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawPolygon(flap);

    // A few grey text lines so the page reads as a page.
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    const int firstLine = t + Fold + 3;
    for (int y = firstLine; y < b - 2; y += 3) painter.drawLine(l + 3, y, r - 3, y);
    return icon;
}

}  // namespace Tabulon
