#include "viewer/CommandButtons.h"

#include <QToolButton>

#include "platform/Twips.h"
#include "viewer/ToolbarIcons.h"

CommandButtons::CommandButtons(QWidget* parent) : QObject(parent) {
    const int side = PixelsFromTwips(375);
    for (int i = 0; i < Count; ++i) {
        auto* button = new QToolButton(parent);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setIcon(QIcon(ToolbarIcon(i, parent->devicePixelRatioF())));
        button->setIconSize(QSize(20, 20));
        button->setGeometry(PixelsFromTwips(Lefts[static_cast<size_t>(i)]), PixelsFromTwips(120),
                            side, side);
        // The page keys belong to the window, never to a button.
        button->setFocusPolicy(Qt::NoFocus);
        buttons_[static_cast<size_t>(i)] = button;
    }
}
