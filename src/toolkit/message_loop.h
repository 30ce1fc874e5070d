// The program's message loop and the end of its life.
#pragma once

#include "platform/types.h"

namespace zor {

// Opens the event gate, pumps messages until the quit message, runs the exit hook, shuts the
// drawing library down, and returns the quit message's code.
int runMessageLoop();
// The two ends of runMessageLoop, for a start-up that handles the messages itself (tests): the
// beginning opens the event gate; the end runs the exit hook and shuts the drawing library down.
void beginMessageLoop();
void endMessageLoop();
// One message as the loop handles it: Tab and Enter in text fields get the toolkit's treatment.
void handleLoopMessage(const platform::Message& message);
bool isEditControl(platform::WindowHandle window);

} // namespace zor
