#pragma once
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "render/FindFields.h"
#include "render/RenderPage.h"

namespace Tabulon {

class FindBar;
class FoundFieldsDock;
class FoundFieldsModel;
class HitCounter;
class ReportWindow;

// The window's find: Ctrl+F opens the find bar, Enter, F3 and Shift+F3 go to
// the next and the previous field holding the text, from the one found last
// or else from the page shown, round the report's ends with a note in the
// status bar. Meanwhile every hit is gathered in the background for the
// count ("12 / 57"), the shading of the page and "Bulunanlar".
class FindCommand : public QObject {
    Q_OBJECT
  public:
    explicit FindCommand(ReportWindow& window);
    ~FindCommand() override;

    void OpenBar();
    // Without a text yet, opens the bar instead.
    void Next(bool forward);
    // Looks for this text from the page shown on, as F3 then does.
    void FindText(const QString& text);
    // The rows changed (another report, a filter, the pages counted again):
    // no field is marked or counted any more, and the count that read the
    // old rows has stopped.
    void Forget();
    // Another report: its columns to choose from.
    void ReportOpened();
    const std::optional<MarkedField>& Hit() const { return hit_; }
    // The shade of a field on the screen: the hit shown, or another one.
    std::optional<Rgb> Shade(int64_t row, int column) const;
    // What the bar looks for now.
    QString Text() const;
    FindRules Rules() const;
    bool Counting() const { return counting_; }

    FindBar* Bar() const { return bar_; }
    FoundFieldsDock* Dock() const { return dock_; }
    FoundFieldsModel& Found() const { return *found_; }

  signals:
    // Every hit has been gathered.
    void CountDone();

  private:
    void Find(bool forward);
    void StartCount();
    void StopCount();
    void Gathered(std::vector<MarkedField> hits);
    void ShowCount();
    void Show(const MarkedField& hit);

    ReportWindow& window_;
    FindBar* bar_;
    FoundFieldsModel* found_;
    FoundFieldsDock* dock_;
    std::unique_ptr<HitCounter> counter_;
    // What the hits and the count are of; empty when they hold nothing.
    QString countedText_;
    FindRules countedRules_;
    std::optional<MarkedField> hit_;
    bool counting_ = false;
    bool cut_ = false;  // the hits stopped at the most kept
};

}  // namespace Tabulon
