// The custom theme in the settings file: section "CustomTheme" of "config.ini", one key per colour,
// each value the colour's 32-bit pattern as a signed decimal number (0xFFDCDCDC is -2302756).
#pragma once

#include "toolkit/theme.h"

#include <cstdint>

namespace zor {

inline constexpr const char16_t* themeSettingsFile = u"config.ini";
inline constexpr const char16_t* customThemeSection = u"CustomTheme";

// The settings value of the key, with the current value as the default for a missing file, section or key.
void ReadIniInt(const char16_t* section, const char16_t* key, std::int32_t& value,
                const char16_t* file = themeSettingsFile);
// Writes the value as a signed decimal number; a failed write is ignored.
void WriteIniInt(const char16_t* section, const char16_t* key, std::int32_t value,
                 const char16_t* file = themeSettingsFile);

// Every colour key of the section into the theme (the palettes' entry 0 has no key); colours without a
// key keep their value.
void ReadCustomTheme(Theme& target, const char16_t* file = themeSettingsFile);
// Every colour of the theme into the section, in the same key order as the reader.
void WriteCustomTheme(const Theme& source, const char16_t* file = themeSettingsFile);

} // namespace zor
