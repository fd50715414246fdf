// Protects File > Recent Designs: its order, that it survives a restart through the settings file, and a design that has gone.
#include <QMenu>

#include "gui_fixture.h"
#include "support/ini_file.h"

namespace torvik::test {
namespace {

class TRecentDesignsTest : public TGuiTest {
protected:
    QMenu* Recent() const { return FForm->findChild<QMenu*>("MenuFileRecent"); }

    QStringList Items() const {
        QStringList items;
        for (const QAction* a : Recent()->actions()) items << a->text();
        return items;
    }

    void Open(const QString& aFile) {
        FDialogs->openNames.push_back(aFile);
        Trigger("ActionFileOpen");
    }

    void ChooseRecent(int aNumber) {
        QAction* item = Recent()->findChild<QAction*>(QString("MenuFileRecent%1").arg(aNumber));
        ASSERT_NE(item, nullptr);
        item->trigger();
        QApplication::processEvents();  // the old items go once the trigger has returned
    }

    void Restart() {
        FDialogs->answers.assign(1, TAnswer::No);
        ASSERT_TRUE(FForm->close());
        FForm.reset();
        Start();
    }
};

TEST_F(TRecentDesignsTest, OrderAndRestart) {
    Start();
    ASSERT_NE(Recent(), nullptr);
    EXPECT_EQ(Recent()->title(), "Recent Designs");
    EXPECT_TRUE(Items().isEmpty());
    EXPECT_FALSE(Recent()->isEnabled());

    for (const char* name : {"a.tvk", "b.tvk", "c.tvk"}) Open(WriteLoop(name));
    FDialogs->saveNames.push_back(Path("d & e.tvk"));
    Trigger("MenuFileSaveAs");
    EXPECT_TRUE(Recent()->isEnabled());
    EXPECT_EQ(Items(), QStringList({"&1 d && e.tvk", "&2 c.tvk", "&3 b.tvk", "&4 a.tvk"}));
    EXPECT_EQ(Recent()->actions()[3]->statusTip(), Path("a.tvk"));

    // Choosing one opens it and puts it first.
    ChooseRecent(4);
    EXPECT_EQ(FForm->windowTitle(), "Torvik - a.tvk");
    EXPECT_EQ(FForm->Design().CurrentWire->Count(), 40);
    EXPECT_EQ(Items(), QStringList({"&1 a.tvk", "&2 d && e.tvk", "&3 c.tvk", "&4 b.tvk"}));
    // Saving under the same name keeps one entry.
    Trigger("ActionFileSave");
    EXPECT_EQ(Items().size(), 4);

    // The list is in the settings file, in a section of its own.
    Restart();
    EXPECT_EQ(Items(), QStringList({"&1 a.tvk", "&2 d && e.tvk", "&3 c.tvk", "&4 b.tvk"}));
    TIniFile ini;
    ASSERT_TRUE(ini.Load(FPaths.SettingsFilePath));
    EXPECT_EQ(ini.ReadString("Recent Designs", "Design 1", ""), Path("a.tvk").toStdString());
    EXPECT_TRUE(ini.SectionExists("General"));

    // Eight at most, the oldest dropping off.
    for (int i = 0; i < 6; ++i) Open(WriteLoop(QString("more%1.tvk").arg(i)));
    EXPECT_EQ(Items().size(), 8);
    EXPECT_EQ(Items().front(), "&1 more5.tvk");
    EXPECT_EQ(Items().back(), "&8 d && e.tvk");
}

TEST_F(TRecentDesignsTest, MissingDesignIsRemovedWithAMessage) {
    Start();
    const QString gone = WriteLoop("gone.tvk");
    Open(gone);
    Open(WriteLoop("kept.tvk"));
    ASSERT_TRUE(QFile::remove(gone));

    ChooseRecent(2);
    const auto messages = FDialogs->Of("inform");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "File could not be found: " + gone + ". It has been removed from the recent designs.");
    EXPECT_EQ(Items(), QStringList({"&1 kept.tvk"}));
    // The open design stays as it was.
    EXPECT_EQ(FForm->windowTitle(), "Torvik - kept.tvk");
    EXPECT_TRUE(FDialogs->Of("error").empty());

    // And it stays gone after a restart.
    Restart();
    EXPECT_EQ(Items(), QStringList({"&1 kept.tvk"}));
}

TEST_F(TRecentDesignsTest, ChoosingARecentDesignAsksAboutAChangedWire) {
    Start();
    const QString file = WriteLoop("loop.tvk");
    Open(file);
    Trigger("ActionFileNew");
    FForm->Design().CurrentWire->AddSeg(0.25, 0.1);
    FDialogs->answers.push_back(TAnswer::Cancel);
    ChooseRecent(1);
    EXPECT_EQ(FDialogs->Of("ask").size(), 1u);
    EXPECT_EQ(FForm->windowTitle(), "Torvik [Untitled]");
    EXPECT_EQ(FForm->Design().CurrentWire->Count(), 2);
}

}  // namespace
}  // namespace torvik::test
