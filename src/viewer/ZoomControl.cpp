#include "viewer/ZoomControl.h"

#include <QAction>

#include "viewer/MainMenu.h"
#include "viewer/PageDesk.h"
#include "viewer/ZoomSteps.h"

namespace Tabulon {

ZoomControl::ZoomControl(MainMenu& menu, PageDesk& desk, std::function<void(float)> apply)
    : menu_(menu), desk_(desk), apply_(std::move(apply)) {}

void ZoomControl::To(float factor, QAction* item, Fit fit) {
    for (QAction* zoom :
         {menu_.GOR_01_01, menu_.GOR_01_02, menu_.GOR_01_03, menu_.FitWidth, menu_.FitPage})
        zoom->setChecked(zoom == item);
    desk_.ScrollToCorner();
    zoom_ = factor;
    fit_ = fit;
    apply_(zoom_);
}

void ZoomControl::Zoom100() {
    To(1.0f, menu_.GOR_01_01);
}
void ZoomControl::Zoom75() {
    To(0.75f, menu_.GOR_01_02);
}
void ZoomControl::Zoom50() {
    To(0.5f, menu_.GOR_01_03);
}

void ZoomControl::Step(int direction) {
    const float zoom = StepZoom(zoom_, direction);
    QAction* item = zoom == 1.0f    ? menu_.GOR_01_01
                    : zoom == 0.75f ? menu_.GOR_01_02
                    : zoom == 0.5f  ? menu_.GOR_01_03
                                    : nullptr;
    To(zoom, item);
}

// The room the page has: the desk less its scroll bar and the canvas's own
// offset, with a little air on the far side.
float ZoomControl::Fitted(Fit fit) const {
    const WindowLayout& layout = desk_.Layout();
    const int32_t width = layout.Zemin.width - 310 - 200 - 200;
    const int32_t height = layout.Zemin.height - 320 - 500 - 100;
    return fit == Fit::Width ? FitWidthZoom(pageWidth_, width)
                             : FitPageZoom(pageWidth_, pageHeight_, width, height);
}

void ZoomControl::FitWidth() {
    To(Fitted(Fit::Width), menu_.FitWidth, Fit::Width);
}

void ZoomControl::FitPage() {
    To(Fitted(Fit::Page), menu_.FitPage, Fit::Page);
}

bool ZoomControl::Refit() {
    if (fit_ == Fit::None) return false;
    zoom_ = Fitted(fit_);
    apply_(zoom_);
    return true;
}

}  // namespace Tabulon
