#pragma once
// The display's cursors, drawn by the program: a plier (plain, and with the
// bend amount 1, 10 or 90), a rotation arrow, a wire spool, a cutter, the
// magnifying glass and a four-way arrow for moving the image. Each has a
// white rim so that it shows on the wire as on the white design area.

#include <QCursor>

#include "tools/tool.h"

namespace torvik {

// The cursor of that id; the platform's arrow for TCursorId::Default.
QCursor ToolCursor(TCursorId aId);

}  // namespace torvik
