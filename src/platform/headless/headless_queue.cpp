// The headless message queue and virtual clock: posted messages first, then the quit message, then
// paint for invalidated windows, then due timers — the order Windows retrieves them in.
#include "platform/headless/headless.h"
#include "platform/headless/headless_internal.h"
#include "platform/headless/headless_port.h"
#include "platform/window.h"

#include <algorithm>
#include <vector>

namespace zor::platform {
namespace headless_detail {

bool headlessNextMessage(Message& message) {
    Backend& b = backend();
    if (!b.queue.empty()) {
        message = b.queue.front();
        b.queue.pop_front();
        return true;
    }
    if (b.quitPosted) {
        b.quitPosted = false;
        message = Message{nullptr, msg::Quit, static_cast<WParam>(b.quitCode), 0};
        return true;
    }
    for (WindowObject* w : b.windows) {
        if (w->alive && w->invalid && shownOnScreen(*w)) {
            message = Message{w, msg::Paint, 0, 0};
            return true;
        }
    }
    WindowObject* dueWindow = nullptr;
    std::uintptr_t dueId = 0;
    std::uint64_t earliest = 0;
    for (WindowObject* w : b.windows) {
        if (!w->alive) continue;
        for (const auto& [id, timer] : w->timers) {
            if (timer.due <= virtualClock() && (dueWindow == nullptr || timer.due < earliest)) {
                dueWindow = w;
                dueId = id;
                earliest = timer.due;
            }
        }
    }
    if (dueWindow != nullptr) {
        message = Message{dueWindow, msg::Timer, dueId, 0};
        return true;
    }
    return false;
}

bool headlessIdle() {
    Backend& b = backend();
    std::uint64_t next = 0;
    bool any = false;
    for (WindowObject* w : b.windows) {
        if (!w->alive) continue;
        for (const auto& entry : w->timers) {
            if (!any || entry.second.due < next) next = entry.second.due;
            any = true;
        }
    }
    if (!any) return false;
    virtualClock() = std::max(virtualClock(), next);
    return true;
}

void runModalLoop(std::uint32_t ms) {
    if (ms == 0) return;
    Backend& b = backend();
    const std::uint64_t until = virtualClock() + ms;
    // Bounded, so that a job that re-arms itself without end cannot hang a test.
    for (int handled = 0; handled < 1000000;) {
        Message message;
        while (handled < 1000000 && headlessNextMessage(message)) {
            if (message.message == msg::Quit) {
                b.quitPosted = true; // for the main loop, once the box is gone
                break;
            }
            headlessTranslate(message);
            dispatchMessage(message);
            ++handled;
        }
        std::uint64_t next = until;
        for (WindowObject* w : b.windows) {
            if (!w->alive) continue;
            for (const auto& entry : w->timers)
                if (entry.second.due < next) next = entry.second.due;
        }
        if (b.quitPosted || next >= until) break;
        virtualClock() = std::max(virtualClock(), next);
    }
    virtualClock() = std::max(virtualClock(), until);
}

bool headlessShiftDown() {
    return backend().shiftDown;
}

void headlessTranslate(const Message& message) {
    if (message.message != msg::KeyDown) return;
    const auto key = static_cast<std::uint32_t>(message.first);
    const bool shift = backend().shiftDown;
    char16_t c = 0;
    if (key >= 'A' && key <= 'Z')
        c = static_cast<char16_t>(shift ? key : key + ('a' - 'A'));
    else if (key >= '0' && key <= '9' && !shift)
        c = static_cast<char16_t>(key);
    else if (key == ' ')
        c = u' ';
    else if (key == key::Enter)
        c = u'\r';
    else if (key == key::Tab)
        c = u'\t';
    else if (key == 8)
        c = 8; // backspace
    else if (key == key::Packet)
        c = static_cast<char16_t>(highWord(static_cast<std::uintptr_t>(message.second)));
    else if (key == 0xBD)
        c = shift ? u'_' : u'-';
    else if (key == 0xBE)
        c = shift ? u'>' : u'.';
    if (c == 0) return;
    const LParam repeat = key == key::Packet ? 1 : message.second;
    postMessage(message.window, msg::Char, c, repeat);
}

} // namespace headless_detail

using namespace headless_detail;

bool peekMessage(Message& message) {
    return headlessNextMessage(message);
}

namespace headless {

void reset() {
    Backend& b = backend();
    // Windows are retired, never freed: a global widget may still hold the handle of one, and a new
    // window must never turn up at the same address and be taken for it.
    static auto* retired = new std::vector<WindowObject*>;
    for (WindowObject* w : b.windows) {
        *w = WindowObject{};
        w->alive = false;
        retired->push_back(w);
    }
    b = Backend{};
    virtualClock() = 0;
    forgetBoxAnswers();
}

std::uint64_t now() {
    return virtualClock();
}

void advanceClock(std::uint32_t ms) {
    virtualClock() += ms;
}

std::vector<WindowHandle> liveWindows() {
    std::vector<WindowHandle> out;
    for (WindowObject* w : backend().windows)
        if (w->alive) out.push_back(w);
    return out;
}

bool isInvalidated(WindowHandle window) {
    return alive(window) && window->invalid;
}
Point editMargins(WindowHandle edit) {
    return alive(edit) ? edit->editMargins : Point{};
}

std::u16string className(WindowHandle window) {
    return alive(window) ? window->className : u"";
}
std::uint32_t windowStyle(WindowHandle window) {
    return alive(window) ? window->style : 0;
}
std::uint32_t windowExStyle(WindowHandle window) {
    return alive(window) ? window->exStyle : 0;
}

bool isTimerRunning(WindowHandle window, std::uintptr_t identifier) {
    return alive(window) && window->timers.count(identifier) > 0;
}

std::uint32_t timerPeriod(WindowHandle window, std::uintptr_t identifier) {
    if (!alive(window)) return 0;
    auto it = window->timers.find(identifier);
    return it == window->timers.end() ? 0 : it->second.period;
}

std::size_t queuedMessages() {
    return backend().queue.size();
}

std::u16string refusedCharacters() {
    return backend().refusedCharacters;
}

void setScreenSize(std::int32_t width, std::int32_t height) {
    backend().screen = Point{width, height};
}

} // namespace headless
} // namespace zor::platform
