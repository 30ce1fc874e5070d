// Test input for the headless backend: the messages Windows posts for the mouse and keyboard.
#include "platform/headless/headless.h"
#include "platform/headless/headless_internal.h"
#include "platform/test_input.h"

namespace zor::platform::testing {

using namespace headless_detail;

namespace {

void pointerTo(WindowHandle window) {
    Backend& b = backend();
    if (b.pointerWindow == window) return;
    WindowObject* previous = b.pointerWindow;
    b.pointerWindow = window;
    if (alive(previous) && previous->trackingLeave) {
        previous->trackingLeave = false;
        postMessage(previous, msg::MouseLeave, 0, 0);
    }
}

// Disabled windows (or windows inside a disabled one) get no mouse input.
void mouse(WindowHandle window, std::uint32_t message, WParam keys, std::int32_t x, std::int32_t y) {
    if (!alive(window)) return;
    pointerTo(window);
    if (!inputEnabled(*window) || !shownOnScreen(*window)) return;
    postMessage(window, message, keys,
                makeLParam(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)));
}

constexpr WParam leftButtonKey = 0x0001;
constexpr WParam rightButtonKey = 0x0002;

} // namespace

void mouseMove(WindowHandle window, std::int32_t x, std::int32_t y) {
    mouse(window, msg::MouseMove, 0, x, y);
}
void leftDown(WindowHandle window, std::int32_t x, std::int32_t y) {
    mouse(window, msg::MouseMove, 0, x, y);
    mouse(window, msg::LeftDown, leftButtonKey, x, y);
}
void leftUp(WindowHandle window, std::int32_t x, std::int32_t y) {
    mouse(window, msg::MouseMove, leftButtonKey, x, y);
    mouse(window, msg::LeftUp, 0, x, y);
}
void rightDown(WindowHandle window, std::int32_t x, std::int32_t y) {
    mouse(window, msg::MouseMove, 0, x, y);
    mouse(window, msg::RightDown, rightButtonKey, x, y);
}
void rightUp(WindowHandle window, std::int32_t x, std::int32_t y) {
    mouse(window, msg::MouseMove, rightButtonKey, x, y);
    mouse(window, msg::RightUp, 0, x, y);
}
void mouseAway() {
    pointerTo(nullptr);
}

void keyDown(std::uint32_t virtualKey) {
    WindowObject* focus = backend().focus;
    if (alive(focus)) postMessage(focus, msg::KeyDown, virtualKey, 1);
}

void keyUp(std::uint32_t virtualKey) {
    WindowObject* focus = backend().focus;
    if (alive(focus)) postMessage(focus, msg::KeyUp, virtualKey, static_cast<LParam>(0xC0000001u));
}

void setShift(bool down) {
    backend().shiftDown = down;
}

std::uint64_t clockMs() {
    return virtualClock();
}

void waitForEvents(std::uint32_t maxMs) {
    Backend& b = backend();
    const std::uint64_t limit = virtualClock() + maxMs;
    std::uint64_t next = limit;
    for (WindowObject* w : b.windows) {
        if (!w->alive) continue;
        for (const auto& entry : w->timers)
            if (entry.second.due < next) next = entry.second.due;
    }
    if (next > virtualClock()) virtualClock() = next;
}

void destroyAllWindows() {
    headless::reset();
}

} // namespace zor::platform::testing
