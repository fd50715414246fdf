#pragma once
// The loop template dialog (File > New from Template... and Edit
// Template...): the form, its parameters in the user's locale with their
// units, the wire's material and cross-section, and a live preview of the
// design the template makes. OK is enabled only while the template can be
// made; the message below the fields says what is wrong. Each form keeps
// its own values while the user switches between them, and a value the user
// does not touch is kept exactly, however many digits it has.

#include <vector>

#include <QString>

#include "dialogs/torvik_dialog.h"
#include "settings/settings.h"
#include "solve/loop_template.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace torvik {

class TTemplatePreview;

class TTemplateDialog : public TTorvikDialog {
    Q_OBJECT
public:
    // The stock lists are the tables of aSettings; the preview draws as
    // aSettings' view settings and grid say.
    TTemplateDialog(const QString& aCaption, const TSettings& aSettings, QWidget* aParent = nullptr);
    ~TTemplateDialog() override;

    // Shows aTemplate: its form and values, and its stock and segment size,
    // which every form then shares. A stock that is not in the tables is
    // listed first under its own name.
    void SetTemplate(const TLoopTemplate& aTemplate);
    // The template as the dialog shows it now.
    TLoopTemplate Template() const;
    // A remark above the buttons (empty: none), e.g. that the design on
    // screen no longer is what its template makes.
    void SetNote(const QString& aNote);

    const TTemplatePreview& Preview() const { return *FPreview; }
    // Why the template cannot be made, as shown; empty when it can.
    QString Problem() const;

private:
    void ShowForm(int aIndex);
    void FieldEdited(std::size_t aIndex, const QString& aText);
    void Refresh();
    void FillStockLists(const TWireStock& aStock);

    std::vector<TLoopTemplate> FTemplates;  // one per form, in LoopForms order
    int FCurrent = 0;
    TWireStock FStock;
    double FSegmentSize = 0.25;
    std::vector<TWireMaterial> FMaterials;
    std::vector<TWireSize> FSizes;
    const TMaterialTable FMaterialTable;
    const TCrossSectionTable FSizeTable;
    bool FFilling = false;

    QComboBox* FForm;
    QLabel* FDescription;
    QVBoxLayout* FFieldsColumn;
    QWidget* FFields = nullptr;
    std::vector<QLineEdit*> FEdits;
    QComboBox* FMaterial;
    QComboBox* FCrossSection;
    QLabel* FSegments;
    QLabel* FProblem;
    QLabel* FNote;
    TTemplatePreview* FPreview;
    QPushButton* FOk;
};

}  // namespace torvik
