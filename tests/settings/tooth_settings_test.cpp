// Protects the tooth settings in the settings file: a section of their own
// with start values for older files, a round trip, and fallbacks for values
// that do not read, without touching the other sections.
#include <gtest/gtest.h>

#include "settings/settings.h"
#include "support/ini_file.h"

namespace torvik {
namespace {

TEST(ToothSettingsTest, OwnSectionRoundTripAndFallbacks) {
    // A file from before the section: the start values, 10 mm and roots up.
    TIniFile old;
    old.Parse("[Calculation]\r\nTarget=1\r\n[View]\r\nView Grid=0\r\n");
    TSettings s;
    ReadSettings(old, s);
    EXPECT_EQ(s.Tooth.Distance, 10);
    EXPECT_EQ(s.Tooth.Roots, TRootSide::Up);
    EXPECT_EQ(s.Activation.TargetMode, TargetAngle);

    s.Tooth = {7.25, TRootSide::Down};
    WriteSettings(old, s, "Default");
    EXPECT_EQ(old.ReadString("Tooth", "Resistance Distance", ""), "7.25");
    EXPECT_EQ(old.ReadString("Tooth", "Roots", ""), "Down");
    EXPECT_EQ(old.KeyNames("Tooth"), (std::vector<std::string>{"Resistance Distance", "Roots"}));
    TSettings back;
    ReadSettings(old, back);
    EXPECT_EQ(back.Tooth.Distance, 7.25);
    EXPECT_EQ(back.Tooth.Roots, TRootSide::Down);
    EXPECT_EQ(back.Activation.TargetMode, TargetAngle);

    for (const char* bad : {"0", "-3", "ten", "1e9", "7,5"}) {
        TIniFile ini;
        ini.Parse(std::string("[Tooth]\r\nResistance Distance=") + bad + "\r\nRoots=sideways\r\n");
        TSettings f;
        ReadSettings(ini, f);
        EXPECT_EQ(f.Tooth.Distance, 10) << bad;
        EXPECT_EQ(f.Tooth.Roots, TRootSide::Up) << bad;
    }
}

}  // namespace
}  // namespace torvik
