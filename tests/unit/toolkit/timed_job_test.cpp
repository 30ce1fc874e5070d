// Timed jobs on a widget's timer, with the platform's own timers (real ones under Wine).
#include "link/timed_job.h"
#include "platform/window.h"
#include "support/toolkit_fixture.h"

namespace zor {
namespace {

using testing::pumpFor;
using testing::pumpUntil;

int firstRuns = 0;
int secondRuns = 0;
Widget* lastWidget = nullptr;

void firstJob(Widget& w) {
    ++firstRuns;
    lastWidget = &w;
}
void secondJob(Widget& w) {
    ++secondRuns;
    lastWidget = &w;
}
// A converter-style job: stops its own timer, so it runs once per arming.
void oneShotJob(Widget& w) {
    KillJob(w);
    ++firstRuns;
}

class TimedJobTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        firstRuns = secondRuns = 0;
        lastWidget = nullptr;
        openMainWindow();
    }
};

TEST_F(TimedJobTest, JobRunsRepeatedlyWithTheWidgetUntilKilled) {
    SetJob(main, 20, firstJob);
    EXPECT_EQ(main.onTimer, &firstJob);
    ASSERT_TRUE(pumpUntil([] { return firstRuns >= 3; }));
    EXPECT_EQ(lastWidget, &main);
    KillJob(main);
    EXPECT_EQ(main.onTimer, &firstJob); // the handler stays in the slot
    const int runs = firstRuns;
    pumpFor(150);
    EXPECT_EQ(firstRuns, runs);
}

TEST_F(TimedJobTest, SettingAgainReplacesTheHandler) {
    SetJob(main, 30, firstJob);
    SetJob(main, 30, secondJob);
    ASSERT_TRUE(pumpUntil([] { return secondRuns >= 2; }));
    EXPECT_EQ(firstRuns, 0);
}

TEST_F(TimedJobTest, OneShotPatternRunsOncePerArming) {
    SetJob(main, 20, oneShotJob);
    ASSERT_TRUE(pumpUntil([] { return firstRuns == 1; }));
    pumpFor(150);
    EXPECT_EQ(firstRuns, 1);
    SetJob(main, 20, oneShotJob);
    ASSERT_TRUE(pumpUntil([] { return firstRuns == 2; }));
}

TEST_F(TimedJobTest, KillOnAnIdleTimerDoesNothing) {
    KillJob(main);
    Widget unmade; // no window at all
    KillJob(unmade);
    SetJob(main, 20, firstJob);
    ASSERT_TRUE(pumpUntil([] { return firstRuns >= 1; }));
}

TEST_F(TimedJobTest, TickWithAnEmptySlotCallsNothing) {
    // The platform timer runs but nothing is attached: ticks arrive and are ignored.
    ASSERT_TRUE(platform::setTimer(main.window, 1, 20));
    pumpFor(120);
    EXPECT_EQ(main.onTimer, nullptr);
    platform::killTimer(main.window, 1);
}

TEST_F(TimedJobTest, TicksAreDroppedWhileTheGateIsClosedAndTheTimerKeepsRunning) {
    toolkit.eventsEnabled = false;
    SetJob(main, 20, firstJob);
    pumpFor(150);
    EXPECT_EQ(firstRuns, 0);
    toolkit.eventsEnabled = true;
    ASSERT_TRUE(pumpUntil([] { return firstRuns >= 1; }));
}

TEST_F(TimedJobTest, EachWidgetHasItsOwnTimer) {
    Widget group;
    createGroupBox(main, group, u"g", 10, 10, 100, 50);
    SetJob(main, 20, firstJob);
    SetJob(group, 25, secondJob);
    ASSERT_TRUE(pumpUntil([] { return firstRuns >= 2 && secondRuns >= 2; }));
    KillJob(group);
    const int groupRuns = secondRuns;
    ASSERT_TRUE(pumpUntil([&] { return firstRuns >= 6; }));
    EXPECT_EQ(secondRuns, groupRuns);
    KillJob(main);
}

} // namespace
} // namespace zor
