// A whole form of global widgets in a test: started without running the message loop, and closed so
// that the next test starts from nothing. Works on the headless backend and under Wine alike.
//
//   SetUp:    build the form (main window and every widget, as the start-up does, without the loop);
//             zor::testing::enterLoop();  then drive it with input and pumpPending / pumpUntil.
//   TearDown: zor::testing::closeApplication(mainWindow, allWidgets);
#pragma once

#include "toolkit/widget.h"

#include <span>

namespace zor::testing {

// What the message loop does on entry: opens the event gate. Messages are then handled with the
// helpers of support/pump.h.
void enterLoop();

// Ends the form as closing the main window and ending the process would: destroys the main window
// (its children go with it), handles the messages left up to the quit message, runs the loop's end
// (exit hook, drawing library shut down), destroys every given widget record and constructs it
// anew (so colours, texts and callbacks of this test are gone), then destroys whatever window is
// left, resets the platform (headless: queue, timers, focus, clock) and the program's state
// (app/program_state.h).
// The main window's record must be among the widgets or given alone; list every global widget.
void closeApplication(Widget& mainWindow, std::span<Widget* const> widgets);

} // namespace zor::testing
