#include "dialogs/FontSample.h"

#include <QLocale>
#include <algorithm>

#include "dialogs/SizeText.h"

namespace Tabulon {

namespace {
// Beyond this the sample would take seconds to draw and show nothing useful in
// its box; the caption then names the size actually shown.
constexpr double LargestSamplePoints = 400;
}  // namespace

FontSample::FontSample(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    setPalette(colours);
}

void FontSample::UpdateFontSample(const QString& face, const QString& sizeText) {
    QFont sample = font();
    sample.setFamily(face);
    const double size = ReadSizeText(sizeText).ToDouble();
    if (size > 0) sample.setPointSizeF(std::min(size, LargestSamplePoints));
    setFont(sample);

    // The size as the label now holds it, written as a single-precision number
    // in the user's locale: at most seven significant digits, no trailing zeros.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const float shown = static_cast<float>(font().pointSizeF());
    setText(face + " " + locale.toString(shown, 'g', 7) + ".pnt");
    repaint();
}

}  // namespace Tabulon
