#pragma once
// File > New from Template... and File > Edit Template...: a design made
// from a parametric loop (solve/loop_template.h) through the template
// dialog, its parameters kept with the design.
//
// New from Template is New with a made design: after OK the usual question
// about a changed wire, then an untitled design with a fresh history.
// Edit Template changes the design on screen: the wire the template makes
// replaces the wire as one undo step (Edit > Undo brings the old wire
// back), the brackets move to the template's places, the loads become
// zero, and the file name stays. A design whose wire or brackets were
// changed by hand keeps its template; the dialog then says that the design
// on screen is no longer what the template makes, and OK replaces it.
// Edit Template is enabled only for a design that keeps a template.

#include <optional>

#include <QObject>
#include <QString>

#include "solve/loop_template.h"

namespace torvik {

class TMainForm;

// The template of the design on screen as Edit Template opens it: the
// design's record, with the stock of its wire's first segment and the
// segment size of Options. The design keeps a template. Throws
// TTemplateError for a form this version does not know.
TLoopTemplate TemplateOfDesign(TMainForm& aForm);
// Makes the design on screen aTemplate's, as Edit Template's OK does: a
// running activation is stopped, the template's wire replaces the wire as
// one undo step, the brackets move, the loads become zero, the template
// goes with the design. Throws TTemplateError, changing nothing, when
// aTemplate cannot be made.
void AdoptTemplateDesign(TMainForm& aForm, const TLoopTemplate& aTemplate);

class TTemplateCommands : public QObject {
    Q_OBJECT
public:
    // Binds ActionFileNewFromTemplate and ActionFileEditTemplate; the window
    // owns the group.
    explicit TTemplateCommands(TMainForm& aForm);

    void NewFromTemplateExecute();
    void EditTemplateExecute();
    // Enables Edit Template when the design keeps a template.
    void UpdateActions();

private:
    // Shows the dialog with aStart; the template chosen with OK, or nothing.
    std::optional<TLoopTemplate> Ask(const QString& aCaption, const TLoopTemplate& aStart, const QString& aNote);
    TMainForm& FForm;
    // The form and values of the last New from Template.
    std::optional<TLoopTemplate> FLast;
};

}  // namespace torvik
