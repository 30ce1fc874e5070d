// "Stop Scanning" stops the scan, even when the next scan step's timer message is already queued
// behind the click (Windows delivers it after the timer was killed).
#include "form/main_form.h"
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

TEST_F(FormWindowTest, StopScanningStopsTheScan) {
    // No port exists: the scan walks the numbers every 50 ms.
    ASSERT_TRUE(pumpUntil([] { return label() == u"Scanning 2"; }));
    Widget& button = mainForm.commPort.rescanButton;
    ASSERT_EQ(std::u16string(button.caption()), u"Stop Scanning");
    const std::int32_t x = button.width / 2, y = button.height / 2;
    platform::testing::mouseMove(button.window, x, y);
    pumpPending();
    platform::testing::letTimePass(80); // the next step falls due, its tick queued
    platform::testing::leftDown(button.window, x, y);
    platform::testing::leftUp(button.window, x, y);
    pumpPending();
    pumpFor(1000);
    EXPECT_EQ(label(), u"---");
    EXPECT_EQ(std::u16string(button.caption()), u"Rescan Ports");
}

} // namespace
} // namespace zor
