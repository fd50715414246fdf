#pragma once
// The program's drawn images: tool-bar and preset-button pictures, named
// after the action or button they belong to, and the zoom tool's cursor.

#include <QCursor>
#include <QIcon>
#include <QString>

namespace torvik {

// The picture of an action ("ActionRun") or preset button ("SpeedButton1");
// a null icon for a name without one.
QIcon DrawnIcon(const QString& aName);

// A magnifying glass with its hot spot at the centre of the lens.
QCursor ZoomCursor();

}  // namespace torvik
