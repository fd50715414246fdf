#pragma once
// The options dialog: four pages of run-time settings (General, Wire,
// Calculation, View) and the user's own entries ("Other") of the material
// and cross-section tables. Load fills it from the settings, TakeBack writes
// the values back on OK. The table edits and "&Apply to Wire" take effect at
// once, while the dialog is open, and stay when it is cancelled.

#include <functional>
#include <vector>

#include "dialogs/torvik_dialog.h"
#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace torvik {

class TRadioGroup;
class TToothGroup;
class TWire;

class TTorvikOptions : public TTorvikDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 30;
    // The help topics of the pages, from the first: 31 to 34.
    static constexpr int FirstPageHelpContext = 31;

    explicit TTorvikOptions(QWidget* aParent = nullptr);

    // "&Apply to Wire" first sets the applied load to zero through this.
    void SetZeroForce(std::function<void()> aZeroForce) { FZeroForce = std::move(aZeroForce); }
    // Then, when it changes the wire's stock, it records the wire for Undo
    // through this. The wire and the segments added to it from then on take
    // the chosen stock.
    void SetRecordUndo(std::function<void()> aRecordUndo) { FRecordUndo = std::move(aRecordUndo); }
    // The message of a refused OK or "&Apply to Wire" is shown through this.
    void SetShowError(std::function<void(const QString&)> aShowError) { FShowError = std::move(aShowError); }

    // Fills every control from aSettings and shows the current material and
    // cross-section (entry 0 of a table whose names hold none of them).
    // Until Detach, the table edits write into aSettings' tables and
    // "&Apply to Wire" acts on aWire.
    void Load(TSettings& aSettings, TWire* aWire);
    // On OK: the values go back into the loaded settings, and the wire trims
    // its undo history to the chosen level. A number that does not read
    // gives its fallback silently: 0.1 mm, 1 degree, 2 degrees. One that
    // reads but lies outside its range (which OK refuses) leaves its
    // setting as it was.
    void TakeBack();
    // OK: while a typed number reads but lies outside the range its setting
    // keeps, OK is refused with one message that names the field and the
    // range, the field gets the focus, and the dialog stays open with
    // nothing changed. Text that does not read passes (its fallback).
    void accept() override;
    // Forgets the settings and the wire given to Load.
    void Detach();

    // Handlers.
    void WMaterialChange();
    void WCrossSectChange();
    void ModulusChange();
    void CrossAChange();
    void CrossBChange();
    void ApplyWireButClick();
    void HelpButClick();

signals:
    // "&Apply to Wire" gave the wire new material and cross-section.
    void wireApplied();

private:
    // A typed number with the range of its setting.
    struct TRangeField {
        QLineEdit* edit;
        const char* name;
        TSettingRange range;
        const char* unit;
        bool zeroAllowed;  // a round wire's second dimension
    };
    // The fields that OK (or, with aWireOnly, "&Apply to Wire") takes a
    // typed number from: the enabled table fields, and for OK the others.
    std::vector<TRangeField> RangeFields(bool aWireOnly) const;
    // Refuses the first of them whose number reads but lies outside its
    // range: shows the message, focuses it; whether all were in range.
    bool CheckRanges(bool aWireOnly);

    QWidget* CreateGeneralPage();
    QWidget* CreateWirePage();
    QWidget* CreateCalculationPage();
    QWidget* CreateViewPage();

    TSettings* FSettings = nullptr;
    TWire* FWire = nullptr;
    std::function<void()> FZeroForce;
    std::function<void()> FRecordUndo;
    std::function<void(const QString&)> FShowError;

    QTabWidget* FPageControl1;
    // General
    QCheckBox* FBestFitOnLoad;
    QCheckBox* FRememberRectCB;
    QComboBox* FUndoLevelsCB;
    // Wire
    QComboBox* FWMaterial;
    QLineEdit* FModulus;
    QComboBox* FWCrossSect;
    QLabel* FTenthsLbl;
    QLineEdit* FCrossA;
    QLineEdit* FCrossB;
    QPushButton* FApplyWireBut;
    TRadioGroup* FSegSizeGroup;
    QCheckBox* FDrawThickCB;
    // Calculation
    QCheckBox* FAutoStop;
    QCheckBox* FRefineLoads;
    QLineEdit* FTolDist;
    QLineEdit* FTolAngle;
    TRadioGroup* FWireInBracket;
    TToothGroup* FToothGroup;
    // View
    QCheckBox* FViewF;
    QCheckBox* FViewM;
    TRadioGroup* FForcesOn;
    QCheckBox* FViewStrain;
    QCheckBox* FAutoRange;
    QLineEdit* FFixedRange;
    QCheckBox* FViewGrid;
    QComboBox* FGridDensityCB;
    QCheckBox* FSnapGrid;
    QComboBox* FSnapGridCB;
};

}  // namespace torvik
