#pragma once
#include <QObject>
#include <functional>

class QWidget;

namespace Tabulon {

// Tells when a widget changes size by itself, as the window's client area
// does when the find bar or the hit list come and go without the window
// changing size.
class ResizeWatch : public QObject {
    Q_OBJECT
  public:
    ResizeWatch(QWidget* watched, std::function<void()> resized);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> resized_;
};

}  // namespace Tabulon
