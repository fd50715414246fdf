// Protects the recent designs list: its order, its limit of eight, names it cannot keep, and its own settings section.

#include "support/recent_files.h"

#include <gtest/gtest.h>

#include "support/ini_file.h"

namespace torvik {
namespace {

using Files = std::vector<std::string>;

TEST(RecentFiles, MostRecentFirstWithoutRepeatsAndAtMostEight) {
    TRecentFiles recent;
    recent.Add("/d/a.tvk");
    recent.Add("/d/b.tvk");
    recent.Add("/d/c.tvk");
    EXPECT_EQ(recent.Files(), Files({"/d/c.tvk", "/d/b.tvk", "/d/a.tvk"}));
    // Using a design again moves it to the front; it is not listed twice.
    recent.Add("/d/a.tvk");
    EXPECT_EQ(recent.Files(), Files({"/d/a.tvk", "/d/c.tvk", "/d/b.tvk"}));
    for (char c = 'd'; c <= 'i'; ++c) recent.Add(std::string("/d/") + c + ".tvk");
    ASSERT_EQ(recent.Files().size(), TRecentFiles::MaxCount);
    EXPECT_EQ(recent.Files().front(), "/d/i.tvk");
    // The oldest, b, fell off the end.
    EXPECT_EQ(recent.Files().back(), "/d/c.tvk");
    recent.Remove("/d/e.tvk");
    recent.Remove("/d/not-listed.tvk");
    EXPECT_EQ(recent.Files(), Files({"/d/i.tvk", "/d/h.tvk", "/d/g.tvk", "/d/f.tvk", "/d/d.tvk", "/d/a.tvk", "/d/c.tvk"}));
}

TEST(RecentFiles, NamesTheSettingsFileCannotHoldAreNotKept) {
    // Writing a line break would fail the whole settings file; blanks at the
    // ends would be lost on reading and name another file.
    TRecentFiles recent;
    for (const char* name : {"", "/d/two\nlines.tvk", "/d/cr\r.tvk", " /d/lead.tvk", "/d/trail.tvk ", "/d/tab.tvk\t"})
        recent.Add(name);
    EXPECT_TRUE(recent.Files().empty());
    recent.Add("/d/with blank inside.tvk");
    EXPECT_EQ(recent.Files(), Files({"/d/with blank inside.tvk"}));
}

TEST(RecentFiles, SectionOfItsOwnRoundTripsAndOlderFilesStayValid) {
    TIniFile ini;
    ini.Parse("[General]\r\nVersion=1.0.0.0\r\n[Wire]\r\nSegment Size=0.25\r\n");
    TRecentFiles none;
    none.Read(ini);  // an older settings file: no section, an empty list
    EXPECT_TRUE(none.Files().empty());

    TRecentFiles recent;
    for (const char* name : {"/d/a.tvk", "/d/x=y;z.tvk", "/d/\xc3\xa6rlig.tvk"}) recent.Add(name);
    recent.Write(ini);
    EXPECT_EQ(ini.ReadString("Recent Designs", "Design 1", ""), "/d/\xc3\xa6rlig.tvk");
    EXPECT_EQ(ini.ReadString("General", "Version", ""), "1.0.0.0");
    TIniFile reread;
    reread.Parse(ini.Text());
    TRecentFiles back;
    back.Read(reread);
    EXPECT_EQ(back, recent);

    // A shorter list leaves no old keys behind.
    recent.Remove("/d/a.tvk");
    recent.Write(ini);
    EXPECT_EQ(ini.KeyNames("Recent Designs"), Files({"Design 1", "Design 2"}));
    recent.Remove("/d/x=y;z.tvk");
    recent.Remove("/d/\xc3\xa6rlig.tvk");
    recent.Write(ini);
    EXPECT_FALSE(ini.SectionExists("Recent Designs"));
}

TEST(RecentFiles, ReadingSkipsGapsRepeatsAndBadEntries) {
    TIniFile ini;
    ini.Parse("[Recent Designs]\r\nDesign 2=/d/b.tvk\r\nDesign 1=/d/a.tvk\r\nDesign 3=\r\nDesign 4=/d/a.tvk\r\n"
              "Design 6=/d/f.tvk\r\nDesign 9=/d/i.tvk\r\nOther=/d/o.tvk\r\n");
    TRecentFiles recent;
    recent.Read(ini);
    EXPECT_EQ(recent.Files(), Files({"/d/a.tvk", "/d/b.tvk", "/d/f.tvk"}));
}

TEST(RecentFiles, LabelsShowTheFolderOnlyWhereNamesClash) {
    EXPECT_EQ(RecentFileLabels({"/d/loop.tvk", "/e/loop.tvk", "/d/other.tvk", "plain.tvk"}),
              Files({"/d/loop.tvk", "/e/loop.tvk", "other.tvk", "plain.tvk"}));
    EXPECT_TRUE(RecentFileLabels({}).empty());
}

}  // namespace
}  // namespace torvik
