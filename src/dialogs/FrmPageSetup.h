#pragma once
#include <QDialog>
#include <array>

#include "core/PageSetup.h"
#include "core/SettingsBackend.h"
#include "dialogs/PageSetupWorkingCopy.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Tabulon {
class FontSample;
class PagePreview;
class PaperChoice;
class SpinControl;

// "Yazdırma Tercihleri": orientation, paper, margins, report font and the three
// print options, with a schematic preview and a font sample. Works on its own copy;
// Apply writes the page setup and, when something changed and the user agrees,
// keeps the setup for later reports. Created afresh for every opening.
class FrmPageSetup : public QDialog {
    Q_OBJECT
  public:
    FrmPageSetup(PageSetup& setup, SettingsBackend& settings, QWidget* parent = nullptr);

    const PageSetupWorkingCopy& Working() const { return working_; }

  protected:
    // Enter in a margin box and leaving it take the typed margin; so does
    // pressing its spin control, which then steps on from that margin.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void CreateOrientationFrame();
    void CreateMarginFrame();
    void CreateFontControls();

    void FillControls();
    void FillFontList();
    void ChoosePortrait();
    void ChooseLandscape();
    void ChoosePaper(int32_t width, int32_t height);
    void TakeMargins();
    void PFeed_Validate(int index);
    void UpdateFontSample();
    void ApplySetup();
    void Cancel();
    bool AskToKeepSettings();

    PageSetup& setup_;
    SettingsBackend& settings_;
    PageSetupWorkingCopy working_;
    // False while loading: the list and margin handlers then do nothing.
    bool DialogLoaded = false;
    // The margin boxes carry their unit once a margin has changed.
    bool marginsChanged_ = false;

    QGroupBox* Frame5 = nullptr;
    QRadioButton* Option_Dusey = nullptr;
    QRadioButton* Option_Yatay = nullptr;
    QLabel* Picture2 = nullptr;
    QGroupBox* Frame2 = nullptr;
    // The margin boxes show their spin control's value and take a typed one.
    std::array<QLineEdit*, 4> PFeed{};
    std::array<SpinControl*, 4> V_PFeed{};
    PaperChoice* ComboKagit = nullptr;
    std::array<QCheckBox*, 3> Check1{};
    PagePreview* Picture1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    FontSample* Label3 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace Tabulon
