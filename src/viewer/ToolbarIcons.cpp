#include "viewer/ToolbarIcons.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace Tabulon {

namespace {
constexpr int Side = 20;

void DrawRedX(QPainter& p) {
    p.setPen(QPen(QColor(200, 0, 0), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 4.5), QPointF(15.5, 15.5));
    p.drawLine(QPointF(15.5, 4.5), QPointF(4.5, 15.5));
}

void DrawPrinter(QPainter& p) {
    const QPen outline(Qt::black, 1.0);
    p.setPen(outline);
    // Paper fed in at the back.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 1.5, 9, 6));
    // Body with its control light.
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(1.5, 7.5, 17, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 160, 0));
    p.drawRect(QRectF(14, 9, 2, 2));
    // The printed sheet coming out at the front.
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 12.5, 11, 6));
    p.drawLine(QPointF(6.5, 15.5), QPointF(13.5, 15.5));
}

void DrawSheet(QPainter& p) {
    const QRectF sheet(2.5, 2.5, 15, 15);
    p.setPen(QPen(QColor(0, 110, 0), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.fillRect(QRectF(3, 3, 14, 3), QColor(0, 150, 0));
    for (double x = 7.5; x < 17; x += 5) p.drawLine(QPointF(x, 3), QPointF(x, 17));
    for (double y = 9.5; y < 17; y += 4) p.drawLine(QPointF(3, y), QPointF(17, y));
}

void DrawPageWithArrow(QPainter& p, bool pointsRight) {
    // A page with a folded corner...
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(12.5, 1.5);
    page.lineTo(16.5, 5.5);
    page.lineTo(16.5, 18.5);
    page.lineTo(3.5, 18.5);
    page.closeSubpath();
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(12.5, 1.5), QPointF(12.5, 5.5));
    p.drawLine(QPointF(12.5, 5.5), QPointF(16.5, 5.5));
    // ...and a red arrow across it.
    QPainterPath arrow;
    const double tip = pointsRight ? 18.5 : 1.5;
    const double back = pointsRight ? 12.5 : 7.5;
    const double tail = pointsRight ? 5.5 : 14.5;
    arrow.moveTo(tip, 11);
    arrow.lineTo(back, 6);
    arrow.lineTo(back, 9);
    arrow.lineTo(tail, 9);
    arrow.lineTo(tail, 13);
    arrow.lineTo(back, 13);
    arrow.lineTo(back, 16);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(120, 0, 0), 1.0));
    p.setBrush(QColor(220, 0, 0));
    p.drawPath(arrow);
}

// One face and size for all three zoom labels, so they read alike: a narrow
// bold face at the largest size that still fits "%100" into the picture.
QFont ZoomFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")});
    font.setStretch(QFont::Condensed);  // where neither narrow face is installed
    font.setBold(true);
    for (int pixels = 11; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(QStringLiteral("%100")) <= Side - 1) break;
    }
    return font;
}

void DrawZoomText(QPainter& p, const QString& text) {
    static const QFont font = ZoomFont();
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 0, Side, Side), Qt::AlignCenter, text);
}
}  // namespace

QPixmap ToolbarIcon(int index, qreal pixelRatio) {
    QPixmap pixmap(QSize(Side, Side) * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
        case 0:
            DrawRedX(p);
            break;
        case 1:
            DrawPrinter(p);
            break;
        case 2:
            DrawSheet(p);
            break;
        case 3:
            DrawPageWithArrow(p, false);
            break;
        case 4:
            DrawPageWithArrow(p, true);
            break;
        case 5:
            DrawZoomText(p, QStringLiteral("%100"));
            break;
        case 6:
            DrawZoomText(p, QStringLiteral("%75"));
            break;
        case 7:
            DrawZoomText(p, QStringLiteral("%50"));
            break;
        default:
            break;
    }
    return pixmap;
}

}  // namespace Tabulon
