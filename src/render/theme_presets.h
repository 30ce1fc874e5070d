// The three built-in themes and the start-up choice between them and the custom theme.
#pragma once

#include "toolkit/theme.h"

#include <cstdint>

namespace zor {

inline constexpr std::int32_t themeLight = 0;
inline constexpr std::int32_t themeDarkBlue = 1;
inline constexpr std::int32_t themeGreenOnGrey = 2;
inline constexpr std::int32_t themeCustom = 3;
// The theme the program starts with; nothing changes it.
inline constexpr std::int32_t themeSelector = themeLight;

// Writes the colours of preset 0, 1 or 2 into the theme; colours a preset does not set are kept, and any
// other number changes nothing.
void ApplyThemePreset(Theme& target, std::int32_t preset);

// Fills the theme as the selector says: a preset for 0..2, the "CustomTheme" settings for 3, nothing
// for any other value.
void LoadTheme(Theme& target, std::int32_t selector = themeSelector);

// What start-up does before the first window exists: the selected theme, with the main window's
// background always equal to every panel's.
void LoadStartupTheme(Theme& target);

} // namespace zor
