// Protects the keyboard shortcuts: the keys of each command, that a key press on the window runs it, and that no command takes a key of the display.
#include <QSignalSpy>
#include <QTest>

#include "gui_fixture.h"
#include "mainwindow/shortcuts.h"

namespace torvik::test {
namespace {

using TShortcutsTest = TGuiTest;

TEST(ShortcutTable, DisplayKeysAreLeftOut) {
    for (const char* keys : {"Left", "Right", "Up", "Down", "Ctrl+Up", "Shift+Down", "Esc"})
        EXPECT_TRUE(TakesDisplayKey(QKeySequence(keys, QKeySequence::PortableText))) << keys;
    EXPECT_TRUE(TakesDisplayKey(QKeySequence(Qt::Key_Shift)));
    EXPECT_TRUE(TakesDisplayKey(QKeySequence(Qt::Key_Control)));
    for (const char* keys : {"Ctrl+N", "F5", "Shift+F5", "Ctrl+0", "Ctrl++"})
        EXPECT_FALSE(TakesDisplayKey(QKeySequence(keys, QKeySequence::PortableText))) << keys;
    // A key of the display is dropped even when the table names it.
    const TShortcut fixedOnly{"X", QKeySequence::UnknownKey, "Up"};
    EXPECT_TRUE(ShortcutKeys(fixedOnly).isEmpty());
}

TEST_F(TShortcutsTest, EveryShortcutReachesItsCommand) {
    TMainForm& form = Start();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    // The keys the menus show: the desktop's standard ones, or the common
    // key where the desktop has none.
    const auto standardOr = [](QKeySequence::StandardKey aKey, const char* aFixed) {
        const QList<QKeySequence> keys = QKeySequence::keyBindings(aKey);
        return keys.isEmpty() ? QKeySequence(aFixed, QKeySequence::PortableText) : keys.front();
    };
    const std::vector<std::pair<const char*, QKeySequence>> expected = {
        {"ActionFileNew", standardOr(QKeySequence::New, "")},
        {"ActionFileOpen", standardOr(QKeySequence::Open, "")},
        {"ActionFileSave", standardOr(QKeySequence::Save, "")},
        {"MenuFileSaveAs", standardOr(QKeySequence::SaveAs, "Ctrl+Shift+S")},
        {"MenuFilePrint", standardOr(QKeySequence::Print, "")},
        {"ActionUndo", standardOr(QKeySequence::Undo, "")},
        {"ActionRedo", standardOr(QKeySequence::Redo, "")},
        {"MenuEditCopy", standardOr(QKeySequence::Copy, "")},
        {"MenuViewZoomIn", standardOr(QKeySequence::ZoomIn, "")},
        {"MenuViewZoomOut", standardOr(QKeySequence::ZoomOut, "")},
        {"MenuViewBestFit", QKeySequence("Ctrl+0")},
        {"ActionRun", QKeySequence(Qt::Key_F5)},
        {"ActionStopRun", QKeySequence(Qt::SHIFT | Qt::Key_F5)},
        {"MenuHelpContents", QKeySequence(Qt::Key_F1)},
        // Last: it closes the window.
        {"ActionFileExit", standardOr(QKeySequence::Quit, "Ctrl+Q")},
    };
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(ShortcutTable().size()));
    FDialogs->answers.assign(20, TAnswer::No);

    for (const auto& [name, key] : expected) {
        QAction* action = form.Action(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_FALSE(key.isEmpty()) << name;
        EXPECT_EQ(action->shortcut(), key) << name;
        // Commands of later versions, and Undo with nothing to undo, are
        // disabled; the key must reach them all the same once they work.
        action->setEnabled(true);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(&form, key);
        EXPECT_EQ(triggered.count(), 1) << name << " " << key.toString().toStdString();

        // What the command does, where a key press shows it.
        const QString command = QString::fromLatin1(name);
        if (command == "ActionFileOpen") {
            EXPECT_EQ(FDialogs->Of("open").size(), 1u);
        } else if (command == "MenuFileSaveAs") {
            EXPECT_EQ(FDialogs->Of("save").size(), 2u);  // Save asked first
        } else if (command == "MenuViewZoomIn") {
            EXPECT_EQ(form.Mapping().Zoom(), 3000);
        } else if (command == "ActionRun") {
            EXPECT_TRUE(form.Running());
        } else if (command == "ActionStopRun") {
            EXPECT_FALSE(form.Running());
        } else if (command == "MenuHelpContents") {
            auto* help = form.findChild<QWidget*>("HelpWindow");
            ASSERT_NE(help, nullptr);
            EXPECT_TRUE(help->isVisible());
            // The help window may have taken the keyboard.
            help->close();
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        } else if (command == "ActionFileExit") {
            EXPECT_FALSE(form.isVisible());
        }
    }
}

TEST_F(TShortcutsTest, NoCommandTakesAKeyOfTheDisplay) {
    TMainForm& form = Start();
    int withKeys = 0;
    for (const QAction* action : form.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts())
            EXPECT_FALSE(TakesDisplayKey(key)) << action->objectName().toStdString() << " "
                                               << key.toString().toStdString();
        withKeys += action->shortcuts().isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(withKeys, ShortcutTable().size());
}

}  // namespace
}  // namespace torvik::test
