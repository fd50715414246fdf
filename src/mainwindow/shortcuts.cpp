#include "mainwindow/shortcuts.h"

#include <stdexcept>
#include <string>

#include <QAction>

namespace torvik {

const QList<TShortcut>& ShortcutTable() {
    // Save As and Exit have no standard key on every desktop; the fixed keys
    // are the common ones.
    static const QList<TShortcut> table = {
        {"ActionFileNew", QKeySequence::New, "Ctrl+N"},
        {"ActionFileOpen", QKeySequence::Open, "Ctrl+O"},
        {"ActionFileSave", QKeySequence::Save, "Ctrl+S"},
        {"MenuFileSaveAs", QKeySequence::SaveAs, "Ctrl+Shift+S"},
        {"MenuFilePrint", QKeySequence::Print, "Ctrl+P"},
        {"ActionFileExit", QKeySequence::Quit, "Ctrl+Q"},
        {"ActionUndo", QKeySequence::Undo, "Ctrl+Z"},
        {"ActionRedo", QKeySequence::Redo, "Ctrl+Shift+Z"},
        {"MenuEditCopy", QKeySequence::Copy, "Ctrl+C"},
        {"MenuViewZoomIn", QKeySequence::ZoomIn, "Ctrl++"},
        {"MenuViewZoomOut", QKeySequence::ZoomOut, "Ctrl+-"},
        {"MenuViewBestFit", QKeySequence::UnknownKey, "Ctrl+0"},
        {"ActionRun", QKeySequence::UnknownKey, "F5"},
        {"ActionStopRun", QKeySequence::UnknownKey, "Shift+F5"},
        {"MenuHelpContents", QKeySequence::HelpContents, "F1"},
    };
    return table;
}

bool TakesDisplayKey(const QKeySequence& aKeys) {
    for (int i = 0; i < aKeys.count(); ++i) {
        switch (aKeys[i].key()) {
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_Escape:
            case Qt::Key_Shift:
            case Qt::Key_Control: return true;
            default: break;
        }
    }
    return false;
}

QList<QKeySequence> ShortcutKeys(const TShortcut& aShortcut) {
    QList<QKeySequence> keys;
    if (aShortcut.standard != QKeySequence::UnknownKey) keys = QKeySequence::keyBindings(aShortcut.standard);
    if (keys.isEmpty()) keys.append(QKeySequence(QString::fromLatin1(aShortcut.fixed), QKeySequence::PortableText));
    keys.removeIf([](const QKeySequence& k) { return k.isEmpty() || TakesDisplayKey(k); });
    return keys;
}

void ApplyShortcuts(const std::function<QAction*(const char*)>& aAction) {
    for (const TShortcut& shortcut : ShortcutTable()) {
        QAction* action = aAction(shortcut.action);
        if (!action) throw std::logic_error(std::string("No action ") + shortcut.action);
        action->setShortcuts(ShortcutKeys(shortcut));
    }
}

}  // namespace torvik
