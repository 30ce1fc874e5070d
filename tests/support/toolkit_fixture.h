// A clean toolkit for each test: no windows left from the test before, the program's state at its
// start values (app/program_state.h), and a main window to put widgets in. Works on the headless backend and
// under Wine alike.
#pragma once

#include "platform/test_input.h"
#include "support/pump.h"
#include "toolkit/widget.h"
#include "toolkit/widget_create.h"

#include <gtest/gtest.h>

namespace zor::testing {

class ToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the main window and opens the event gate, as the message loop would.
    void openMainWindow(std::int32_t width = 400, std::int32_t height = 300);

    Widget main;
};

// Clicks in the middle of a widget with real (or synthesised) mouse input and handles the messages.
void click(Widget& widget);
void pressAndHold(Widget& widget);
void release(Widget& widget);
void hover(Widget& widget);
void moveAway();
// A key press to the window with the focus, handled as the message loop handles it.
void pressKey(std::uint32_t virtualKey);

} // namespace zor::testing
