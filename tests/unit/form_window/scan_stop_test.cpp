// "Stop Scanning" stops the scan, even when the next scan step's timer message is already queued
// behind the click (Windows delivers it after the timer was killed).
#include "form/main_form.h"
#include "platform/test_input.h"
#include "support/program_fixture.h"

namespace zor {
namespace {

using testing::pumpFor;
using testing::pumpPending;
using testing::pumpUntil;

std::u16string label() {
    return mainForm.commPort.portLabel.caption();
}

using FormWindowTest = testing::StartedProgramTest;

// A click handled as the message loop handles it, after the pointer has come to the widget.
void clickOn(Widget& w) {
    const std::int32_t x = w.width / 2, y = w.height / 2;
    platform::testing::mouseMove(w.window, x, y);
    pumpPending();
    platform::testing::leftDown(w.window, x, y);
    platform::testing::leftUp(w.window, x, y);
    pumpPending();
}

std::u16string status() {
    return mainForm.status.line.caption();
}

TEST_F(FormWindowTest, StopScanningStopsTheScan) {
    // No port exists: the start-up scan tries every number in its first step and ends.
    Widget& button = mainForm.commPort.rescanButton;
    ASSERT_TRUE(pumpUntil([&] { return std::u16string(button.caption()) == u"Rescan Ports"; }));
    EXPECT_EQ(status(), u"No converter found (COM0 to COM200)");
    // "Test LEDs" without a port: the failed write says so, and a scan step that ran would say otherwise.
    clickOn(mainForm.commands.testLedsButton);
    const std::u16string failedWrite = status();
    ASSERT_NE(failedWrite, u"No converter found (COM0 to COM200)");

    clickOn(button);
    ASSERT_EQ(std::u16string(button.caption()), u"Stop Scanning");
    platform::testing::letTimePass(80); // the scan's first step falls due, its tick queued
    const std::int32_t x = button.width / 2, y = button.height / 2;
    platform::testing::leftDown(button.window, x, y);
    platform::testing::leftUp(button.window, x, y);
    pumpPending();
    pumpFor(1000);
    EXPECT_EQ(label(), u"---");
    EXPECT_EQ(std::u16string(button.caption()), u"Rescan Ports");
    EXPECT_EQ(status(), failedWrite);
}

} // namespace
} // namespace zor
