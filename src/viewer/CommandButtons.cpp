#include "viewer/CommandButtons.h"

#include <QToolButton>

#include "platform/Twips.h"
#include "viewer/ToolbarIcons.h"

namespace Tabulon {

namespace {
// What each picture stands for, said when the pointer rests on it.
const char* const Tips[CommandButtons::Count] = {
    "Kapat", "Yazdır", "Excel Çalışma Sayfası", "Önceki Sayfa", "Sonraki Sayfa", "%100",
    "%75",   "%50",
};
}  // namespace

CommandButtons::CommandButtons(QWidget* parent) : QObject(parent) {
    const int side = PixelsFromTwips(375);
    for (int i = 0; i < Count; ++i) {
        auto* button = new QToolButton(parent);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setIcon(QIcon(ToolbarIcon(i, parent->devicePixelRatioF())));
        button->setIconSize(QSize(20, 20));
        button->setToolTip(QString::fromUtf8(Tips[i]));
        button->setGeometry(PixelsFromTwips(Lefts[static_cast<size_t>(i)]), PixelsFromTwips(120),
                            side, side);
        // The page keys belong to the window, never to a button.
        button->setFocusPolicy(Qt::NoFocus);
        buttons_[static_cast<size_t>(i)] = button;
    }
}

}  // namespace Tabulon
