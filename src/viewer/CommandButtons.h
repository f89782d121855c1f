#pragma once
#include <QObject>
#include <array>
#include <cstdint>

class QToolButton;
class QWidget;

namespace Tabulon {

// The toolbar: eight picture buttons, 375 x 375 twips, 120 twips from the top,
// in three groups (close; print and workbook; pages and zoom), each with a
// Turkish tooltip. The window gives each button its command.
class CommandButtons : public QObject {
    Q_OBJECT
  public:
    static constexpr int Count = 8;
    static constexpr std::array<int32_t, Count> Lefts = {120,  480,  840,  1320,
                                                         1680, 2160, 2520, 2880};

    explicit CommandButtons(QWidget* parent);
    QToolButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

  private:
    std::array<QToolButton*, Count> buttons_{};
};

}  // namespace Tabulon
