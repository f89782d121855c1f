#pragma once
#include <QStatusBar>
#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace Tabulon {

// The strip along the bottom of the main window: a short note on the left
// (where an export went), the page shown and the zoom on the right. The
// note stays until the next one; the menus' hover tips do not wipe it.
class ViewerStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit ViewerStatusBar(QWidget* parent);

    // "Sayfa 3 / 12" and "%75"; "Sayfa 3 / ..." while the count is not known
    // (count 0).
    void ShowPage(int32_t current, int32_t count, float zoomFactor);
    void ShowNote(const QString& text);
    // "Rapor okunurken değişti" with a "Yeniden Oku" button beside it when the
    // report changed while it was read; a report read whole takes that note
    // away.
    void ShowReadAgain(bool changed);
    bool ReadAgainShown() const;
    // How far the report is read (thousandths), while it is read in the
    // background; below 0 takes the bar away.
    void ShowLoading(int thousandths);
    bool LoadingShown() const;
    // While a filter is on, what it keeps; an empty text takes it away.
    void ShowFilter(const QString& text);

  signals:
    void ReadAgainPressed();

  public:
    QString PageText() const;
    QString ZoomText() const;
    QString NoteText() const;
    QString FilterText() const;

  private:
    QLabel* note_;
    QPushButton* readAgain_;
    QLabel* filter_;
    QProgressBar* loading_;
    QLabel* page_;
    QLabel* zoom_;
};

}  // namespace Tabulon
