#include "render/theme_presets.h"
#include "render/theme_settings.h"

#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zor {
namespace {

using SettingsFile = testing::SettingsFile;

TEST(ThemePresets, PresetsSetTheirColoursAndOnlyTheLightOneThePalettes) {
    Theme t;
    ApplyThemePreset(t, themeLight);
    EXPECT_EQ(t.ctbg, 0xFFDCDCDCu);
    EXPECT_EQ(t.ctold, 0x96969696u);
    EXPECT_EQ(t.ctawa, 0xFFFAFAFAu);
    EXPECT_EQ(t.ctpub, 0xFFF0F0F0u);
    EXPECT_EQ(t.cttbb, 0xFFD2D2D2u);
    EXPECT_EQ(t.ctebg, 0xFFE0FFFFu);
    EXPECT_EQ(t.imageNormal[0], t.ctbg);
    EXPECT_EQ(t.imageHover[4], 0xFFFFFFFFu);
    EXPECT_EQ(t.imageDisabled[9], 0xFF000000u);

    ApplyThemePreset(t, themeGreenOnGrey);
    EXPECT_EQ(t.ctfmd, 0x5064E164u);
    EXPECT_EQ(t.ctgc, 0x24FFFFFFu);
    EXPECT_EQ(t.cttbb, 0xFF323232u);
    EXPECT_EQ(t.imageDisabled[0], 0xFF3C3C3Cu);
    EXPECT_EQ(t.imageHover[4], 0xFFFFFFFFu); // left from the light preset

    Theme dark;
    ApplyThemePreset(dark, themeDarkBlue);
    EXPECT_EQ(dark.ctbmo, 0xFF282890u);
    EXPECT_EQ(dark.ctawa, 0xFF181418u);
    EXPECT_EQ(dark.ctpub, 0xFF000038u);
    EXPECT_EQ(dark.imageNormal[1], 0u);

    Theme untouched;
    ApplyThemePreset(untouched, 3);
    ApplyThemePreset(untouched, -1);
    LoadTheme(untouched, 9);
    EXPECT_EQ(untouched.ctbg, 0u);
    EXPECT_EQ(untouched.imageNormal[0], 0u);
}

TEST(ThemePresets, StartupThemeIsTheLightPresetWithThePanelBackgroundOnTheMainWindow) {
    Theme t;
    LoadStartupTheme(t);
    EXPECT_EQ(t.ctbg, 0xFFDCDCDCu);
    EXPECT_EQ(t.ctawa, 0xFFDCDCDCu);
    EXPECT_EQ(t.cttn, 0xFF282828u);
}

TEST(CustomTheme, WritesSignedDecimalsInKeyOrderAndReadsThemBack) {
    SettingsFile file("theme_round_trip.ini");
    Theme light;
    ApplyThemePreset(light, themeLight);
    WriteCustomTheme(light, file.path.c_str());

    const std::vector<std::string> lines = file.lines();
    ASSERT_EQ(lines.size(), 1u + 25 + 27);
    EXPECT_EQ(lines[0], "[CustomTheme]");
    EXPECT_EQ(lines[1], "ctawa=-328966");
    EXPECT_EQ(lines[2], "ctbg=-2302756");
    EXPECT_EQ(lines[14], "ctgc=-1929379841");
    EXPECT_EQ(lines[25], "cttbb=-2960686");
    EXPECT_EQ(lines[26], "ibmn1=-10197916");
    EXPECT_EQ(lines[27], "ibmm1=-13487566");
    EXPECT_EQ(lines[28], "ibmd1=-10197916");
    EXPECT_EQ(lines[29].substr(0, 6), "ibmn2=");
    EXPECT_EQ(lines[52], "ibmd9=-16777216");

    Theme read;
    ReadCustomTheme(read, file.path.c_str());
    Theme expected = light;
    expected.imageNormal[0] = expected.imageHover[0] = expected.imageDisabled[0] = 0; // entry 0 has no key
    EXPECT_EQ(std::memcmp(&read, &expected, sizeof(Theme)), 0);

    Theme dark;
    ApplyThemePreset(dark, themeDarkBlue);
    WriteCustomTheme(dark, file.path.c_str()); // rewriting replaces every key in place
    EXPECT_EQ(file.lines().size(), 53u);
    EXPECT_EQ(file.lines()[14], "ctgc=620756991");
}

TEST(CustomTheme, MissingFileSectionOrKeyKeepsTheCurrentColours) {
    SettingsFile file("theme_partial.ini");
    Theme t;
    ApplyThemePreset(t, themeLight);
    ReadCustomTheme(t, file.path.c_str()); // no file at all
    EXPECT_EQ(t.ctbg, 0xFFDCDCDCu);

    file.write("[Other]\nctbg=1\n[CustomTheme]\nctbg=-16777216\nibmd3=255\n");
    ReadCustomTheme(t, file.path.c_str());
    EXPECT_EQ(t.ctbg, 0xFF000000u);
    EXPECT_EQ(t.imageDisabled[3], 0x000000FFu);
    EXPECT_EQ(t.cttn, 0xFF282828u);

    std::int32_t value = 42;
    ReadIniInt(u"Missing", u"ctbg", value, file.path.c_str());
    EXPECT_EQ(value, 42);
    WriteIniInt(u"Missing", u"n", -7, file.path.c_str());
    ReadIniInt(u"Missing", u"n", value, file.path.c_str());
    EXPECT_EQ(value, -7);
    ReadIniInt(u"CustomTheme", u"ctbg", value, file.path.c_str()); // other sections kept
    EXPECT_EQ(value, -16777216);
}

} // namespace
} // namespace zor
