// The real-time parameter view: a right click on a parameter slot asks the converter to stream, and
// the status line shows, ten times a second, the value of that field of the configured sentence. It
// runs as the job on the main window's timer, so no other exchange runs beside it.
#pragma once

#include "toolkit/widget.h"

namespace zor {

inline constexpr Argb valueFlashColour = 0xFF90EE90;
inline constexpr Argb valueRestColour = 0xFFE0FFFF;

// Right click on a slot check box; its tag is the slot index (0..31).
void SlotRightClicked(Widget& slot);
// Click on the status box or the status line.
void StatusClicked(Widget& clicked);
// The main window's job while the view runs.
void RealtimeViewJob(Widget& mainWindow);
// No sentence kept from a last read: the state each view starts with.
void ResetRealtimeView();

} // namespace zor
