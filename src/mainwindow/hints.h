#pragma once
// Hints of the form short text, "|", long text: the short text pops up as a
// tooltip (with "##" as a line break), the long text goes to the status
// panel. A hint without "|" serves as both.

#include <QPoint>
#include <QString>

class QAction;
class QWidget;

namespace torvik {

QString ShortHint(const QString& aHint);
QString LongHint(const QString& aHint);

void ApplyHint(QAction* aAction, const QString& aHint);
void ApplyHint(QWidget* aWidget, const QString& aHint);

// Pops up aHint (its short text) 32 pixels right of and below aMouse, a
// point of aWidget, until the mouse leaves the square 2 pixels around that
// point; an empty hint takes it down.
void ShowHintAtMouse(QWidget* aWidget, QPoint aMouse, const QString& aHint);

}  // namespace torvik
