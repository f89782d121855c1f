#pragma once
#include <QLabel>

namespace Tabulon {

// The page setup dialog's font sample: a label shown in the chosen face and
// size whose caption names them, as in "Arial 10.pnt".
class FontSample : public QLabel {
    Q_OBJECT
  public:
    explicit FontSample(QWidget* parent = nullptr);

    // face: the chosen list entry; sizeText: the size box's text. A size that
    // does not read as a positive number leaves the size as it was.
    void UpdateFontSample(const QString& face, const QString& sizeText);
};

}  // namespace Tabulon
