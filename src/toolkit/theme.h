// The theme: the colours top-level windows copy at creation, and their children copy from their
// parent. It holds exactly what a widget holds (toolkit/widget_colours.h), so a copy is one
// assignment. Its presets and its settings file are the render layer's (render/theme_presets.h,
// render/theme_settings.h).
#pragma once

#include "toolkit/widget.h"

namespace zor {

struct Theme : WidgetColours {};

// The program's one theme, filled at start-up before any widget exists.
extern Theme theme;

// Copy all colours and palettes; a widget whose styleLocked is set keeps its own.
void ApplyTheme(Widget& widget, const Theme& source);
void CopyColours(Widget& child, const Widget& parent);

} // namespace zor
