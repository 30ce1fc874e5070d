// The one window procedure of every "WinObj" window: input state, callbacks behind the event gate,
// painting by kind, timer jobs, text field changes.
#pragma once

#include "platform/types.h"
#include "toolkit/widget.h"

namespace zor {

platform::LResult widgetProcedure(platform::WindowHandle window, std::uint32_t message,
                                  platform::WParam first, platform::LParam second);

// Key handling of a widget: records the key, moves the focus on Tab / Shift+Tab, runs onKeyDown.
void keyDown(Widget& widget, platform::WParam key);

} // namespace zor
