// Protects which menus are owner-drawn: every drop-down menu of the menu bar and its sub-menus, those that commands add too, not the bar itself.
#include <functional>

#include <QMenu>
#include <QMenuBar>

#include "gui_fixture.h"
#include "qt/menu_style.h"

namespace torvik::test {
namespace {

using TOwnerDrawnMenusTest = TGuiTest;

TEST_F(TOwnerDrawnMenusTest, DropDownMenusOnly) {
    TMainForm& form = Start();
    int menus = 0;
    std::function<void(QMenu*)> check = [&](QMenu* aMenu) {
        EXPECT_NE(qobject_cast<TMenuStyle*>(aMenu->style()), nullptr) << aMenu->objectName().toStdString();
        ++menus;
        for (QAction* item : aMenu->actions())
            if (item->menu()) check(item->menu());
    };
    // As the menus open.
    for (QAction* entry : form.menuBar()->actions()) emit entry->menu()->aboutToShow();
    for (QAction* entry : form.menuBar()->actions()) check(entry->menu());
    // File, Edit, View, Run and Help with the Recent Designs, Bend Wire, Cut
    // Wire and Zoom Forces sub-menus.
    EXPECT_EQ(menus, 9);
    EXPECT_EQ(qobject_cast<TMenuStyle*>(form.menuBar()->style()), nullptr);
    EXPECT_EQ(qobject_cast<TMenuStyle*>(form.style()), nullptr);
}

}  // namespace
}  // namespace torvik::test
