// Test input for the headless backend: the messages Windows posts for the mouse and keyboard.
// Mouse input goes by screen point, as the real pointer does: the test names a window and a point in
// its client area, and the message goes to whatever window Windows would find under that point.
#include "platform/headless/headless.h"
#include "platform/headless/headless_internal.h"
#include "platform/test_input.h"
#include "platform/window.h"

namespace zor::platform::testing {

using namespace headless_detail;

namespace {

bool contains(const Rect& r, Point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

Rect clientOnScreen(const WindowObject& window) {
    const Point origin = clientOrigin(window);
    const Rect client = clientArea(window);
    return Rect{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
}

// The window under a screen point and whether it gets client mouse messages. As measured under
// Wine: a disabled child window is passed over as if it were not there (the window below it or its
// parent gets the input); a disabled top-level window takes the input and drops it; a point on a
// window's frame is non-client, which the toolkit never handles.
struct Hit {
    WindowObject* window = nullptr;
    bool client = false;
};

Hit hitInside(WindowObject& window, Point p) {
    if (!window.enabled || !contains(clientOnScreen(window), p)) return Hit{&window, false};
    // Siblings are searched from the top of their z order down; the first created is on top.
    for (WindowObject* child : window.children) {
        if (!child->alive || !child->visible || !child->enabled) continue;
        // Only the part of a child inside its parent's client area can be hit: the parent's client
        // test above has already clipped the point.
        if (contains(windowRect(child), p)) return hitInside(*child, p);
    }
    return Hit{&window, true};
}

Hit windowAt(Point p) {
    const auto& all = backend().windows;
    // Top-level windows: the topmost ones first, then the most recently raised.
    for (const bool topmostPass : {true, false}) {
        for (auto it = all.rbegin(); it != all.rend(); ++it) {
            WindowObject* w = *it;
            if (!w->alive || !w->visible || !isTopLevel(*w)) continue;
            if (((w->exStyle & style::ExTopmost) != 0) != topmostPass) continue;
            if (contains(windowRect(w), p)) return hitInside(*w, p);
        }
    }
    return Hit{};
}

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

void mouse(WindowHandle window, std::uint32_t message, WParam keys, std::int32_t x, std::int32_t y) {
    if (!alive(window)) return;
    const Point origin = clientOrigin(*window);
    const Point screen{origin.x + x, origin.y + y};
    const Hit hit = windowAt(screen);
    // Leave tracking follows the window whose client area is under the pointer.
    pointerTo(hit.client ? hit.window : nullptr);
    if (!hit.client) return;
    const Point local = screenToClient(hit.window, screen);
    postMessage(hit.window, message, keys,
                makeLParam(static_cast<std::uint32_t>(local.x), static_cast<std::uint32_t>(local.y)));
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

// With Alt held a key comes as a system key, to the focused window or else to the active one.
void keyDown(std::uint32_t virtualKey) {
    WindowObject* focus = backend().focus;
    if (backend().altDown) {
        WindowObject* target = alive(focus) ? focus : backend().foreground;
        if (alive(target)) postMessage(target, msg::SysKeyDown, virtualKey, static_cast<LParam>(0x20000001));
        return;
    }
    if (alive(focus)) postMessage(focus, msg::KeyDown, virtualKey, 1);
}

void keyUp(std::uint32_t virtualKey) {
    WindowObject* focus = backend().focus;
    if (alive(focus)) postMessage(focus, msg::KeyUp, virtualKey, static_cast<LParam>(0xC0000001u));
}

void setShift(bool down) {
    backend().shiftDown = down;
}

void setAlt(bool down) {
    backend().altDown = down;
}

void typeText(const char16_t* text) {
    if (text == nullptr) return;
    for (const char16_t* c = text; *c != 0; ++c) {
        WindowObject* focus = backend().focus;
        if (!alive(focus)) return;
        // As Windows packs it: the character in the high half of the key message's second parameter.
        const auto packed = static_cast<LParam>((static_cast<std::uint32_t>(*c) << 16) | 1u);
        postMessage(focus, msg::KeyDown, key::Packet, packed);
        postMessage(focus, msg::KeyUp, key::Packet, packed | static_cast<LParam>(0xC0000000u));
    }
}

void userResize(WindowHandle window, std::int32_t width, std::int32_t height) {
    if (!alive(window) || !isTopLevel(*window)) return;
    // Windows sends these from inside its move/size loop, before the drag returns.
    sendMessage(window, msg::EnterSizeMove, 0, 0);
    if (!alive(window)) return;
    moveWindow(window, window->bounds.left, window->bounds.top, width, height, true);
    if (alive(window)) sendMessage(window, msg::ExitSizeMove, 0, 0);
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

void letTimePass(std::uint32_t ms) {
    virtualClock() += ms;
}

void destroyAllWindows() {
    headless::reset();
}

} // namespace zor::platform::testing
