#pragma once
#include <QObject>
#include <QString>
#include <optional>

#include "render/RenderPage.h"

class FindDialog;
class ReportWindow;

// The window's find: Ctrl+F opens "Bul", F3 and Shift+F3 go to the next and
// the previous field holding the text, from the one found last or else from
// the page shown, round the report's ends with a note in the status bar. A
// long search shows the progress bar, whose "İptal" stops it.
class FindCommand : public QObject {
    Q_OBJECT
  public:
    explicit FindCommand(ReportWindow& window);

    void OpenDialog();
    // Without a text yet, opens the dialog instead.
    void Next(bool forward);
    // Looks for this text from the page shown on, as F3 then does.
    void FindText(const QString& text) { Find(text, true); }
    // The report changed: no field is marked any more.
    void Forget() { hit_.reset(); }
    const std::optional<MarkedField>& Hit() const { return hit_; }
    FindDialog* Dialog() const { return dialog_; }

  private:
    void Find(const QString& text, bool forward);

    ReportWindow& window_;
    FindDialog* dialog_;
    QString text_;
    std::optional<MarkedField> hit_;
};
