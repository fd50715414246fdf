#pragma once
// The keyboard shortcuts of the commands, in one table: the desktop's
// standard key for the command where Qt knows one, otherwise a fixed key.
// No shortcut takes a key that the display owns (the arrow keys, Shift, Ctrl
// and Esc act on the display and its tools).

#include <functional>

#include <QKeySequence>
#include <QList>

class QAction;

namespace torvik {

struct TShortcut {
    const char* action;                  // object name of the action
    QKeySequence::StandardKey standard;  // UnknownKey: none
    const char* fixed;                   // used when the desktop has no standard key
};

// Every command with a shortcut, in menu order.
const QList<TShortcut>& ShortcutTable();

// Whether aKeys uses a key that the display owns.
bool TakesDisplayKey(const QKeySequence& aKeys);

// The keys of one entry on this desktop, the first shown in the menus;
// keys of the display are left out.
QList<QKeySequence> ShortcutKeys(const TShortcut& aShortcut);

// Gives each action of the table, found by aAction, its keys.
void ApplyShortcuts(const std::function<QAction*(const char*)>& aAction);

}  // namespace torvik
