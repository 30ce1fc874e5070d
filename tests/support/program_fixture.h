// The whole program in a test, on either backend: the one fixture of the tests that start the program
// as it starts itself and drive it by clicks, typing and time passing.
#pragma once

#include "form/main_form.h"
#include "platform/types.h"
#include "support/toolkit_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zor::testing {

class ProgramTest : public ::testing::Test {
  protected:
    // Nothing left of the test before: the machine (support/test_machine.h) and the program's state
    // (ResetProgramState). The program is not started yet: a test may first put converters, files and
    // paths in place.
    void SetUp() override;
    // The program closed, then the machine reset.
    void TearDown() override;

    // The start-up of the program (state, theme, form, catalogue, scan), the main window in front and the
    // event gate opened as the message loop would open it.
    void startProgram();
    // The program closed and started again on the same machine: its converters, files and paths stay.
    void restartProgram();

  private:
    // Every widget record released window by window, then every window gone.
    void closeProgram();
};

// The same, started in SetUp: for tests that put nothing in place before start-up.
class StartedProgramTest : public ProgramTest {
  protected:
    void SetUp() override;
};

// Where the platform really put the window: x and y in its parent's client area, and its size.
struct Placement {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Placement&) const = default;
};
Placement placementOf(const Widget& widget);
// Visible on screen: the window and all its ancestors shown.
bool shown(const Widget& widget);
// Takes input: the window and all its ancestors enabled.
bool usable(const Widget& widget);

std::u16string textOf(const Widget& widget);
// The text the user leaves in a field, as the edit control reports it.
void enterText(Widget& field, const std::u16string& text);
// "Send Settings" clicked and what it starts run to its end: the query that asks who the converter is, its
// reply, the write (or the box that asks first).
void sendSettings();
// Until the scan has found the converter on port n and its reply was applied.
bool connectedTo(std::int32_t number);
// Until the status line shows this text.
bool statusBecomes(const std::u16string& text, std::uint32_t boundMs = 5000);

} // namespace zor::testing
