#include "support/toolkit_fixture.h"

#include "app/program_state.h"
#include "platform/window.h"

namespace zor::testing {

void ToolkitTest::SetUp() {
    platform::testing::mouseAway();
    platform::testing::destroyAllWindows();
    ResetProgramState();
}

void ToolkitTest::TearDown() {
    main.destroy();
    platform::testing::destroyAllWindows();
    pumpPending();
    ResetProgramState();
}

void ToolkitTest::openMainWindow(std::int32_t width, std::int32_t height) {
    ASSERT_TRUE(createMainWindow(main, 20, 20, width, height, u"Test"));
    platform::setForegroundWindow(main.window);
    toolkit.eventsEnabled = true;
    pumpPending();
}

namespace {
std::int32_t centreX(const Widget& w) {
    return w.width / 2;
}
std::int32_t centreY(const Widget& w) {
    return w.height / 2;
}
} // namespace

void hover(Widget& widget) {
    platform::testing::mouseMove(widget.window, centreX(widget), centreY(widget));
    pumpUntil([&] { return widget.mouseInside; }, 2000);
}

void pressAndHold(Widget& widget) {
    hover(widget);
    platform::testing::leftDown(widget.window, centreX(widget), centreY(widget));
    pumpUntil([&] { return widget.leftDown; }, 2000);
}

void release(Widget& widget) {
    platform::testing::leftUp(widget.window, centreX(widget), centreY(widget));
    pumpFor(50);
}

void click(Widget& widget) {
    pressAndHold(widget);
    release(widget);
}

void moveAway() {
    platform::testing::mouseAway();
    // Windows checks a tracked window for the pointer's leave on a timer of its own (under Wine about
    // every 400 ms), so give it time.
    pumpFor(800);
}

void pressKey(std::uint32_t virtualKey) {
    platform::testing::keyDown(virtualKey);
    platform::testing::keyUp(virtualKey);
    pumpFor(50);
}

} // namespace zor::testing
