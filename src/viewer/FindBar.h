#pragma once
#include <QToolBar>

#include "core/ReportLayout.h"
#include "render/FindFields.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace Tabulon {

// The find bar under the page: the text, where to look ("Tüm sütunlar" or one
// column by its title), "Tam alan", the way to go, how many fields hold the
// text and which of them is shown, and "Süz". Enter finds the next field,
// Shift+Enter the previous one; Esc closes the bar, leaving the window's own
// Esc (which clears the selection) to the page.
class FindBar : public QToolBar {
    Q_OBJECT
  public:
    explicit FindBar(QWidget* parent);

    // Shown with the focus in the text box, its text selected.
    void Open();
    // The columns of this report to choose from; the choice goes back to all.
    void SetColumns(const ReportLayout& layout);
    QString Text() const;
    FindRules Rules() const;
    // "12 / 57", or "– / 57" when the field shown is not among them; the
    // tail says the count is not whole yet ("…") or was cut short ("+").
    void ShowCount(int64_t place, int64_t count, const QString& tail);
    void ClearCount();

    QLineEdit* TextBox() const { return text_; }
    QComboBox* ColumnBox() const { return column_; }
    QCheckBox* WholeBox() const { return whole_; }
    QLabel* CountLabel() const { return count_; }
    QAction* NextAction() const { return next_; }
    QAction* PreviousAction() const { return previous_; }
    QAction* FilterAction() const { return filter_; }

  signals:
    void FindRequested(bool forward);
    void FilterRequested();
    // The text, column or "Tam alan" changed: the count no longer holds.
    void SearchChanged();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* text_;
    QComboBox* column_;
    QCheckBox* whole_;
    QLabel* count_;
    QAction* previous_;
    QAction* next_;
    QAction* filter_;
};

}  // namespace Tabulon
