// Closing the main window never loses a technician's edits without a word.
#pragma once

#include "toolkit/widget.h"

namespace zor {

// What runs on the port decides first; then the unsent question (unsent_question.h): a text not entered
// counts as an unsent change, and OK closes.
bool MainFormCloseRequested(Widget& mainWindow);

} // namespace zor
