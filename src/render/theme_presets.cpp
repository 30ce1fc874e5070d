#include "render/theme_presets.h"

#include "render/theme_settings.h"

namespace zor {
namespace {

// The style colours of each preset, in the widget's order (styleColourFields); the palettes are set
// apart below.
constexpr WidgetColours presets[3] = {
    {0xFFDCDCDC, 0xFF282828, 0xFF141450, 0xFF2878C8, 0xFF505050, 0xFFE6E6E6, 0xFFC8E6FF,
     0xFFE1E1F0, 0xFFB4B4B4, 0x8CFFFFFF, 0xFF64C8C8, 0xFF28C8F0, 0xFF28BEC8, 0xFFC8C8C8,
     0xFF787878, 0x96969696, 0xFF282828, 0xFF2828C8, 0xFF787878, 0xFFEEE8AA, 0xFFDCDCDC,
     0xFFF0F0F0, 0xFFD2D2D2, 0xFFFAFAFA, 0xFFE0FFFF},
    {0xFF242441, 0xFFC8C8C8, 0xFF05FFFF, 0xFF3C80FF, 0xFF4096A9, 0xFF04043A, 0xFF0046AA,
     0xFF000040, 0xFF1E1E3C, 0x24FFFFFF, 0xFF00BEFF, 0xFF282890, 0xFF2833BE, 0xFF0F828E,
     0xFF0078C8, 0xFF0078B4, 0xFF28C8FF, 0xFF2828B6, 0xFF286478, 0xFF0A0066, 0xFF2C2C4A,
     0xFF000038, 0xFF002C5B, 0xFF181418, 0xFF001850},
    {0xFF3C3C3C, 0xFF00FF00, 0xFF28FF28, 0xFF28CE5A, 0xFF28A028, 0xFF3A422C, 0xFF286426,
     0x5064E164, 0xFF003500, 0x24FFFFFF, 0xFF64BD64, 0xFF28F328, 0xFF28DE5B, 0xFF64AD64,
     0xFF7DCE72, 0xFF4B964B, 0xFF28D228, 0xFF28FF64, 0xFF467846, 0xFF6B7355, 0xFF002000,
     0xFF282828, 0xFF323232, 0xFF505050, 0xFF000000},
};

// Entries 1..9 of the three palettes; only the light preset sets them.
constexpr Palette lightNormal = {0,          0xFF646464, 0xFFE1E199, 0xFFC6C00A, 0xFFA6A37E,
                                 0xFFDCDCC8, 0xFF283CFF, 0xFF82B4FF, 0xFFF0F0F0, 0xFF000000};
constexpr Palette lightHover = {0,          0xFF323232, 0xFFF0EB8E, 0xFFB4B46E, 0xFFFFFFFF,
                                0xFFFFFFFF, 0xFF2878FF, 0xFFF0F0FF, 0xFFFFFFFF, 0xFF000000};
constexpr Palette lightDisabled = {0,          0xFF646464, 0xFFAEAEB0, 0xFF6B686B, 0xFF0A0A0A,
                                   0xFFB4B4B4, 0xFF8C8C8C, 0xFF646464, 0xFFC8C8C8, 0xFF000000};

} // namespace

void ApplyThemePreset(Theme& target, std::int32_t preset) {
    if (preset < themeLight || preset > themeGreenOnGrey) return;
    const WidgetColours& c = presets[preset];
    for (Argb WidgetColours::*field : styleColourFields)
        target.*field = c.*field;
    if (preset == themeLight) {
        target.imageNormal = lightNormal;
        target.imageHover = lightHover;
        target.imageDisabled = lightDisabled;
    }
    // Entry 0 stands for the background behind a pattern image.
    target.imageNormal[0] = c.ctbg;
    target.imageHover[0] = c.ctbg;
    target.imageDisabled[0] = c.ctbg;
}

void LoadTheme(Theme& target, std::int32_t selector) {
    if (selector >= themeLight && selector <= themeGreenOnGrey)
        ApplyThemePreset(target, selector);
    else if (selector == themeCustom)
        ReadCustomTheme(target);
}

void LoadStartupTheme(Theme& target) {
    LoadTheme(target, themeSelector);
    target.ctawa = target.ctbg;
}

} // namespace zor
