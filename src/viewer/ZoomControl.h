#pragma once
#include <functional>

class QAction;

namespace Tabulon {

class MainMenu;
class PageDesk;

// The page's zoom and how it was chosen: one of the menu's fixed sizes, a
// step of Ctrl+plus and Ctrl+minus, or a fit to the desk's width or to the
// whole page, which follows the window when its size changes. Every change
// brings the view back to the page's corner and has the page drawn again.
class ZoomControl {
  public:
    ZoomControl(MainMenu& menu, PageDesk& desk, std::function<void(float zoom)> apply);

    float Factor() const { return zoom_; }
    // The page's size in twips, for the fits.
    void SetPage(int width, int height) {
        pageWidth_ = width;
        pageHeight_ = height;
    }

    void Zoom100();
    void Zoom75();
    void Zoom50();
    void Step(int direction);
    void FitWidth();
    void FitPage();
    // After a resize: a fit is worked out again; true when it was.
    bool Refit();

  private:
    enum class Fit { None, Width, Page };
    void To(float factor, QAction* item, Fit fit = Fit::None);
    float Fitted(Fit fit) const;

    MainMenu& menu_;
    PageDesk& desk_;
    std::function<void(float)> apply_;
    float zoom_ = 1.0f;
    Fit fit_ = Fit::None;
    int pageWidth_ = 0, pageHeight_ = 0;
};

}  // namespace Tabulon
