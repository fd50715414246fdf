#include "dialogs/template_dialog.h"

#include <cmath>
#include <limits>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/template_preview.h"
#include "qt/locale_numbers.h"
#include "support/help_topics.h"

namespace torvik {

namespace {

// Values as the fields show them; a value the user does not edit is kept
// exactly, whatever it shows.
constexpr const char* FieldMask = "0.####";

std::string LocalNumber(double aValue, std::string_view aMask) { return FormatLocal(aValue, aMask).toStdString(); }

template <typename T>
int IndexOfEqual(const std::vector<T>& aList, const T& aItem) {
    for (std::size_t i = 0; i < aList.size(); ++i)
        if (aList[i] == aItem) return static_cast<int>(i);
    return -1;
}

}  // namespace

TTemplateDialog::TTemplateDialog(const QString& aCaption, const TSettings& aSettings, QWidget* aParent)
    : TTorvikDialog("TemplateDialog", aCaption, HelpTemplates, aParent),
      FStock(aSettings.Stock),
      FSegmentSize(aSettings.SegmentSize),
      FMaterialTable(aSettings.MaterialTable),
      FSizeTable(aSettings.CrossSectionTable) {
    for (const TLoopForm* form : LoopForms()) FTemplates.emplace_back(*form);

    FForm = new QComboBox(this);
    FForm->setObjectName("TemplateForm");
    for (const TLoopForm* form : LoopForms()) FForm->addItem(QString::fromUtf8(form->Caption()));
    auto* formLabel = new QLabel(tr("F&orm:"), this);
    formLabel->setBuddy(FForm);
    FDescription = new QLabel(this);
    FDescription->setObjectName("TemplateDescription");
    FDescription->setWordWrap(true);

    FMaterial = new QComboBox(this);
    FMaterial->setObjectName("TemplateMaterial");
    FCrossSection = new QComboBox(this);
    FCrossSection->setObjectName("TemplateCrossSection");
    auto* materialLabel = new QLabel(tr("&Material:"), this);
    materialLabel->setBuddy(FMaterial);
    auto* sizeLabel = new QLabel(tr("&Cross-section:"), this);
    sizeLabel->setBuddy(FCrossSection);
    FSegments = new QLabel(this);
    FSegments->setObjectName("TemplateSegments");

    auto* top = new QFormLayout;
    top->addRow(formLabel, FForm);
    auto* stock = new QFormLayout;
    stock->addRow(materialLabel, FMaterial);
    stock->addRow(sizeLabel, FCrossSection);
    stock->addRow(FSegments);

    FFieldsColumn = new QVBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(FDescription);
    left->addLayout(FFieldsColumn);
    left->addLayout(stock);
    left->addStretch(1);

    FPreview = new TTemplatePreview(aSettings.View, aSettings.GridDensity, this);
    auto* row = new QHBoxLayout;
    row->addLayout(left);
    row->addWidget(FPreview, 1);

    FProblem = new QLabel(this);
    FProblem->setObjectName("TemplateProblem");
    FProblem->setWordWrap(true);
    FProblem->setStyleSheet("color: #b00000;");
    FNote = new QLabel(this);
    FNote->setObjectName("TemplateNote");
    FNote->setWordWrap(true);
    FNote->hide();

    QDialogButtonBox* buttons = NewOkCancelButtons(true);
    FOk = buttons->findChild<QPushButton*>("OKBtn");

    auto* column = new QVBoxLayout(this);
    column->addLayout(row, 1);
    column->addWidget(FProblem);
    column->addWidget(FNote);
    column->addWidget(buttons);

    connect(FForm, &QComboBox::currentIndexChanged, this, [this](int aIndex) {
        if (!FFilling) ShowForm(aIndex);
    });
    connect(FMaterial, &QComboBox::currentIndexChanged, this, [this](int aIndex) {
        if (FFilling || aIndex < 0) return;
        FStock.Material = FMaterials[static_cast<std::size_t>(aIndex)];
        Refresh();
    });
    connect(FCrossSection, &QComboBox::currentIndexChanged, this, [this](int aIndex) {
        if (FFilling || aIndex < 0) return;
        FStock.Size = FSizes[static_cast<std::size_t>(aIndex)];
        Refresh();
    });
    FillStockLists(FStock);
    ShowForm(0);
}

TTemplateDialog::~TTemplateDialog() = default;

void TTemplateDialog::FillStockLists(const TWireStock& aStock) {
    FFilling = true;
    FMaterials.assign(FMaterialTable.begin(), FMaterialTable.end());
    FSizes.assign(FSizeTable.begin(), FSizeTable.end());
    // A stock the tables do not hold (a design's own) comes first.
    if (IndexOfEqual(FMaterials, aStock.Material) < 0) FMaterials.insert(FMaterials.begin(), aStock.Material);
    if (IndexOfEqual(FSizes, aStock.Size) < 0) FSizes.insert(FSizes.begin(), aStock.Size);
    FMaterial->clear();
    for (const TWireMaterial& m : FMaterials) FMaterial->addItem(QString::fromStdString(m.Name));
    FCrossSection->clear();
    for (const TWireSize& s : FSizes) FCrossSection->addItem(QString::fromStdString(s.Name));
    FMaterial->setCurrentIndex(IndexOfEqual(FMaterials, aStock.Material));
    FCrossSection->setCurrentIndex(IndexOfEqual(FSizes, aStock.Size));
    FFilling = false;
}

void TTemplateDialog::SetTemplate(const TLoopTemplate& aTemplate) {
    FStock = aTemplate.Stock;
    FSegmentSize = aTemplate.SegmentSize;
    FillStockLists(FStock);
    int index = 0;
    for (std::size_t i = 0; i < FTemplates.size(); ++i)
        if (&FTemplates[i].Form() == &aTemplate.Form()) {
            FTemplates[i] = aTemplate;
            index = static_cast<int>(i);
        }
    FFilling = true;
    FForm->setCurrentIndex(index);
    FFilling = false;
    ShowForm(index);
}

TLoopTemplate TTemplateDialog::Template() const {
    TLoopTemplate t = FTemplates[static_cast<std::size_t>(FCurrent)];
    t.Stock = FStock;
    t.SegmentSize = FSegmentSize;
    return t;
}

void TTemplateDialog::SetNote(const QString& aNote) {
    FNote->setText(aNote);
    FNote->setVisible(!aNote.isEmpty());
}

QString TTemplateDialog::Problem() const { return FProblem->text(); }

void TTemplateDialog::ShowForm(int aIndex) {
    if (aIndex < 0) return;
    FCurrent = aIndex;
    const TLoopTemplate& t = FTemplates[static_cast<std::size_t>(aIndex)];
    FDescription->setText(QString::fromUtf8(t.Form().Description()));

    // The fields of the form, one row each: caption, value, unit.
    delete FFields;
    FFields = new QWidget(this);
    FFields->setObjectName("TemplateFields");
    auto* grid = new QFormLayout(FFields);
    grid->setContentsMargins(0, 0, 0, 0);
    FEdits.clear();
    FFilling = true;
    const std::vector<TTemplateParameter>& parameters = t.Form().Parameters();
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const TTemplateParameter& p = parameters[i];
        auto* edit = new QLineEdit(FFields);
        edit->setObjectName(QString::fromStdString("Template_" + p.Name));
        edit->setText(FormatLocal(t.Values()[i], FieldMask));
        edit->setToolTip(QString::fromStdString(p.Description));
        auto* unit = new QLabel(QString::fromUtf8(UnitSymbol(p.Unit)), FFields);
        // Both units take the same room, so that the fields line up.
        unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance("mm"));
        auto* field = new QHBoxLayout;
        field->addWidget(edit);
        field->addWidget(unit);
        auto* caption = new QLabel(QString::fromStdString(p.Caption + ":"), FFields);
        caption->setBuddy(edit);
        caption->setToolTip(edit->toolTip());
        grid->addRow(caption, field);
        connect(edit, &QLineEdit::textChanged, this, [this, i](const QString& aText) {
            if (!FFilling) FieldEdited(i, aText);
        });
        FEdits.push_back(edit);
    }
    FFilling = false;
    FFieldsColumn->addWidget(FFields);
    Refresh();
}

void TTemplateDialog::FieldEdited(std::size_t aIndex, const QString& aText) {
    TLoopTemplate& t = FTemplates[static_cast<std::size_t>(FCurrent)];
    double v = 0;
    // Text that does not read is no number: the message says so.
    if (!TryReadLocal(aText, v)) v = std::numeric_limits<double>::quiet_NaN();
    t.SetValue(t.Form().Parameters()[aIndex].Name, v);
    Refresh();
}

void TTemplateDialog::Refresh() {
    FSegments->setText(tr("Segments of %1 mm (the segment size of Options)").arg(FormatLocal(FSegmentSize, "0.###")));
    const TLoopTemplate t = Template();
    const QString problem = QString::fromStdString(t.Problem(LocalNumber));
    FProblem->setText(problem);
    FOk->setEnabled(problem.isEmpty());
    if (problem.isEmpty()) FPreview->SetDesign(t.Generate());
    else FPreview->SetDesign(nullptr, problem);
}

}  // namespace torvik
