#pragma once
#include <QTimer>
#include <QWidget>

namespace Tabulon {

// A vertical pair of arrows that steps a whole number within a range: the upper
// arrow adds one, the lower one takes one away; holding an arrow repeats. The
// arrow keys do the same while it has the focus.
class SpinControl : public QWidget {
    Q_OBJECT
  public:
    explicit SpinControl(QWidget* parent = nullptr);

    int Value() const { return value_; }
    // Clamped to the range; announces a change only when the value moves.
    void SetValue(int value);
    void SetRange(int minimum, int maximum);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }

  signals:
    void Changed(int value);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Repeat();
    QRect UpperArrow() const;
    QRect LowerArrow() const;

    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int pressedStep_ = 0;  // +1 or -1 while an arrow is held
    QTimer repeatTimer_;
};

}  // namespace Tabulon
