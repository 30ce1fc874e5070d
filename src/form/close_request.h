// Closing the main window never loses a technician's edits without a word.
#pragma once

#include "toolkit/widget.h"

namespace zor {

inline constexpr char16_t unsentChangesTitle[] = u"Unsent Settings";

// What was typed is taken first (a refused text keeps the window open); then, when the record differs from
// what the converter holds, a box counts the fields: OK closes, Cancel stays with the edits. What runs on
// the port decides before either.
bool MainFormCloseRequested(Widget& mainWindow);

} // namespace zor
