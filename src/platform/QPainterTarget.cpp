#include "platform/QPainterTarget.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace Tabulon {

namespace {
QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
}  // namespace

void QPainterTarget::SetFont(const std::string& face) {
    if (face == face_) return;
    face_ = face;
    font_.reset();
    FontChanged();
}

void QPainterTarget::SetFontSize(float points) {
    if (points == size_) return;
    size_ = points;
    font_.reset();
    FontChanged();
}

void QPainterTarget::SetFontBold(bool bold) {
    if (bold == bold_) return;
    bold_ = bold;
    font_.reset();
    FontChanged();
}

const QFont& QPainterTarget::CurrentFont() {
    if (!font_) {
        QFont font(QString::fromStdString(face_));
        // Qt refuses sizes of 0 and below; such a font measures next to nothing.
        font.setPointSizeF(std::max(size_, 0.1f));
        font.setBold(bold_);
        font_ = font;
    }
    return *font_;
}

double QPainterTarget::Units(double twips) const {
    return twips * scale_ * UnitsPerTwip();
}

double QPainterTarget::Snap(double units) const {
    if (!SnapToPixels()) return units;
    return std::floor(units / PixelSize()) * PixelSize();
}

void QPainterTarget::Box(double x1, double y1, double x2, double y2, Rgb colour, bool filled) {
    QPainter& p = Painter();
    const double left = Snap(Units(std::min(x1, x2))), right = Snap(Units(std::max(x1, x2)));
    const double top = Snap(Units(std::min(y1, y2))), bottom = Snap(Units(std::max(y1, y2)));
    if (filled) {
        // Both corners belong to the box, as with the pixels of a screen.
        const double extra = SnapToPixels() ? PixelSize() : 0;
        p.fillRect(QRectF(left, top, right - left + extra, bottom - top + extra), ToQColor(colour));
        return;
    }
    QPen pen(ToQColor(colour));
    pen.setWidthF(LineWidth());
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left, top, right - left, bottom - top));
}

void QPainterTarget::PSet(double x, double y, Rgb colour) {
    textX_ = x;
    textY_ = y;
    QPainter& p = Painter();
    p.fillRect(QRectF(Snap(Units(x)), Snap(Units(y)), PixelSize(), PixelSize()), ToQColor(colour));
}

void QPainterTarget::Print(std::string_view text) {
    QPainter& p = Painter();
    const double ascent = Ascent() * UnitsPerTwip();
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    p.setFont(CurrentFont());
    p.setPen(Qt::black);
    const QPointF at(Snap(Units(textX_)), Snap(Units(textY_)));
    if (scale_ == 1.0) {
        p.drawText(at + QPointF(0, ascent), shown);
        return;
    }
    // The text is laid out in the font as measured and then scaled with the
    // page, so a text that fits its cell at 100 % fits it at every zoom.
    p.save();
    p.translate(at);
    p.scale(scale_, scale_);
    p.drawText(QPointF(0, ascent), shown);
    p.restore();
}

void QPainterTarget::PaintPicture(const Picture& picture, double x, double y) {
    if (picture.width <= 0 || picture.height <= 0) return;
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int py = 0; py < picture.height; ++py)
        for (int px = 0; px < picture.width; ++px) image.setPixel(px, py, picture.At(px, py));
    // A picture pixel is 15 twips, the size of a screen pixel at 96 dpi.
    Painter().drawImage(QRectF(Snap(Units(x)), Snap(Units(y)), Units(picture.width * 15.0),
                               Units(picture.height * 15.0)),
                        image);
}

}  // namespace Tabulon
