// The program's own main form, started as the program starts it, for tests on either backend.
#pragma once

#include "form/main_form.h"
#include "platform/types.h"
#include "support/toolkit_fixture.h"

#include <gtest/gtest.h>

namespace zor::testing {

class FormWindowTest : public ::testing::Test {
  protected:
    // The start-up of the program (theme, form, picker, scan), then the event gate opened as the
    // message loop would open it.
    void SetUp() override;
    // Every widget of the form and the picker back to a fresh record, every window gone.
    void TearDown() override;
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

} // namespace zor::testing
