// Timer periods on the headless backend's virtual clock, where time can be read exactly.
#include "link/timed_job.h"
#include "platform/headless/headless.h"
#include "support/toolkit_fixture.h"

namespace zor {
namespace {

namespace headless = platform::headless;

std::vector<std::uint64_t> runsAt;
int replacedRuns = 0;
void record(Widget&) {
    runsAt.push_back(headless::now());
}
void replaced(Widget&) {
    ++replacedRuns;
}

class TimedJobClockTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        runsAt.clear();
        replacedRuns = 0;
        openMainWindow();
    }
    // Lets exactly ms of virtual time pass, handling every tick on its due time.
    void elapse(std::uint32_t ms) {
        const std::uint64_t end = headless::now() + ms;
        testing::pumpUntil([&] { return headless::now() >= end; }, ms);
    }
};

TEST_F(TimedJobClockTest, SetJobAgainRestartsThePeriodFromTheCall) {
    SetJob(main, 100, replaced);
    elapse(80);
    SetJob(main, 100, record); // restarts: the next tick is 100 ms from now, not 20
    const std::uint64_t armedAt = headless::now();
    elapse(250);
    ASSERT_GE(runsAt.size(), 2u);
    EXPECT_EQ(runsAt[0], armedAt + 100);
    EXPECT_EQ(runsAt[1], armedAt + 200);
    EXPECT_EQ(replacedRuns, 0);
    EXPECT_EQ(headless::timerPeriod(main.window, main.timerArming), 100u);
}

TEST_F(TimedJobClockTest, ClosedGateDropsTicksWithoutStoppingTheTimer) {
    toolkit.eventsEnabled = false;
    SetJob(main, 50, record);
    elapse(120);
    EXPECT_TRUE(runsAt.empty());
    EXPECT_TRUE(headless::isTimerRunning(main.window, main.timerArming));
    toolkit.eventsEnabled = true;
    elapse(50);
    ASSERT_EQ(runsAt.size(), 1u);
    EXPECT_EQ(runsAt[0], 150u); // the timer kept its rhythm while ticks were dropped
}

TEST_F(TimedJobClockTest, KillJobStopsThePlatformTimerAndKeepsTheHandler) {
    SetJob(main, 50, record);
    KillJob(main);
    EXPECT_FALSE(headless::isTimerRunning(main.window, main.timerArming));
    EXPECT_EQ(main.onTimer, &record);
    elapse(200);
    EXPECT_TRUE(runsAt.empty());
}

// Windows delivers a tick that was queued before the timer was killed or set again; the handler of
// that arming must not run any more, nor the new handler before its own period.
TEST_F(TimedJobClockTest, TickQueuedBeforeKillOrReArmingNeverReachesAHandler) {
    const struct {
        const char* name;
        void (*action)(Widget&);
    } cases[] = {
        {"killed", [](Widget& w) { KillJob(w); }},
        {"armed again", [](Widget& w) { SetJob(w, 100, replaced); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        runsAt.clear();
        replacedRuns = 0;
        SetJob(main, 50, record);
        headless::advanceClock(50); // the tick is due: the window system has queued it
        c.action(main);
        EXPECT_EQ(headless::queuedMessages(), 1u); // the backend keeps it, as Windows does
        testing::pumpPending();
        EXPECT_TRUE(runsAt.empty());
        EXPECT_EQ(replacedRuns, 0);
        KillJob(main);
    }
}

} // namespace
} // namespace zor
