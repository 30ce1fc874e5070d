// Headless window system: windows, the message queue, focus, timers and the message loop, in memory.
#include "platform/headless/headless.h"
#include "platform/headless/headless_internal.h"
#include "platform/window.h"

#include <algorithm>

namespace zor::platform {
namespace headless_detail {

// Never freed: global widgets are destroyed after main returns and still talk to the backend then.
Backend& backend() {
    static Backend* instance = new Backend;
    return *instance;
}

bool alive(WindowHandle window) {
    if (window == nullptr) return false;
    const auto& all = backend().windows;
    return std::find(all.begin(), all.end(), window) != all.end() && window->alive;
}

bool isTopLevel(const WindowObject& window) {
    return (window.style & style::Child) == 0;
}

bool inputEnabled(const WindowObject& window) {
    for (const WindowObject* w = &window; w != nullptr; w = w->parent)
        if (!w->enabled) return false;
    return true;
}

bool shownOnScreen(const WindowObject& window) {
    for (const WindowObject* w = &window; w != nullptr; w = w->parent)
        if (!w->visible) return false;
    return true;
}

// Frame sizes as Wine draws them without a window manager (measured): a captioned top-level window
// with a sizing frame has its client area 4 pixels in on three sides and 23 from the top; with a
// dialog frame 3 and 22. A bordered child loses one pixel a side, a client edge two more.
struct Frame {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

static Frame frameOf(const WindowObject& window) {
    if (isTopLevel(window) && (window.style & style::Popup) == 0) {
        if (window.style & style::SizingFrame) return Frame{4, 23, 4, 4};
        return Frame{3, 22, 3, 3};
    }
    std::int32_t edge = 0;
    if (window.style & style::Border) edge += 1;
    if (window.exStyle & style::ExClientEdge) edge += 2;
    return Frame{edge, edge, edge, edge};
}

Rect clientArea(const WindowObject& window) {
    const Frame f = frameOf(window);
    const std::int32_t width = window.bounds.right - window.bounds.left - f.left - f.right;
    const std::int32_t height = window.bounds.bottom - window.bounds.top - f.top - f.bottom;
    return Rect{0, 0, std::max(0, width), std::max(0, height)};
}

Point clientOrigin(const WindowObject& window) {
    Point origin{window.bounds.left, window.bounds.top};
    if (window.parent != nullptr) {
        const Point parentOrigin = clientOrigin(*window.parent);
        origin.x += parentOrigin.x;
        origin.y += parentOrigin.y;
    }
    const Frame f = frameOf(window);
    return Point{origin.x + f.left, origin.y + f.top};
}

} // namespace headless_detail

using namespace headless_detail;

namespace {

void collectDescendants(WindowObject& window, std::vector<WindowHandle>& out) {
    for (WindowObject* child : window.children) {
        if (!child->alive) continue;
        out.push_back(child);
        collectDescendants(*child, out);
    }
}

void sendSizeAndMove(WindowObject& window, bool moved, bool sized) {
    if (moved) {
        Point pos{window.bounds.left, window.bounds.top};
        if (isTopLevel(window)) pos = clientOrigin(window);
        sendMessage(&window, msg::Move, 0,
                    makeLParam(static_cast<std::uint32_t>(pos.x), static_cast<std::uint32_t>(pos.y)));
    }
    if (sized) {
        const Rect client = clientArea(window);
        sendMessage(
            &window, msg::Size, 0,
            makeLParam(static_cast<std::uint32_t>(client.right), static_cast<std::uint32_t>(client.bottom)));
    }
}

void destroyTree(WindowObject& window) {
    // The window gets its destroy message before its children do.
    Backend& b = backend();
    if (b.focus == &window) b.focus = nullptr;
    window.timers.clear();
    sendMessage(&window, msg::Destroy, 0, 0);
    for (WindowObject* child : window.children)
        if (child->alive) destroyTree(*child);
    window.alive = false;
    window.visible = false;
    window.record = nullptr;
    std::erase_if(b.queue, [&](const Message& m) { return m.window == &window; });
}

} // namespace

bool isWidgetClassRegistered() {
    return backend().classRegistered;
}

bool registerWidgetClass(WindowProcedure procedure) {
    Backend& b = backend();
    if (b.classRegistered || procedure == nullptr) return false;
    b.classRegistered = true;
    b.widgetProcedure = procedure;
    return true;
}

WindowHandle createWindow(const CreateRequest& request) {
    Backend& b = backend();
    const std::u16string name = request.className != nullptr ? request.className : u"";
    std::u16string storedName;
    WindowProcedure procedure = nullptr;
    if (name == widgetClassName) {
        if (!b.classRegistered) return nullptr;
        storedName = widgetClassName;
        procedure = b.widgetProcedure;
    } else if (name == u"EDIT" || name == u"Edit" || name == u"edit") {
        storedName = u"Edit";
        procedure = editProcedure;
    } else {
        return nullptr;
    }
    const bool child = (request.style & style::Child) != 0;
    if (child && !alive(request.parent)) return nullptr;

    auto* window = new WindowObject;
    window->className = storedName;
    window->exStyle = request.exStyle;
    window->style = request.style;
    if (request.title != nullptr) window->text = request.title;
    window->bounds = Rect{request.x, request.y, request.x + request.width, request.y + request.height};
    window->procedure = procedure;
    window->enabled = (request.style & style::Disabled) == 0;
    if (child) {
        window->parent = request.parent;
        request.parent->children.push_back(window);
    }
    b.windows.push_back(window);

    sendMessage(window, msg::Create, 0, 0);
    sendSizeAndMove(*window, true, true);
    if (request.style & style::Visible) {
        window->visible = true;
        sendMessage(window, msg::ShowWindow, 1, 0);
        window->invalid = window->eraseNeeded = true;
    }
    return window;
}

void destroyWindow(WindowHandle window) {
    if (!alive(window)) return;
    destroyTree(*window);
}

bool isWindow(WindowHandle window) {
    return alive(window);
}

void setWindowRecord(WindowHandle window, void* record) {
    if (alive(window)) window->record = record;
}

void* windowRecord(WindowHandle window) {
    return alive(window) ? window->record : nullptr;
}

LResult defaultProcedure(WindowHandle window, std::uint32_t message, WParam first, LParam) {
    if (!alive(window)) return 0;
    switch (message) {
    case msg::Close:
        destroyWindow(window);
        return 0;
    case msg::SysKeyDown:
        // Alt+F4 asks the top-level window to close, whatever its frame.
        if (first == key::F4) {
            WindowObject* top = window;
            while (top->parent != nullptr)
                top = top->parent;
            postMessage(top, msg::SysCommand, sysCommand::Close, 0);
        }
        return 0;
    case msg::SysCommand:
        if ((first & 0xFFF0u) == sysCommand::Close) sendMessage(window, msg::Close, 0, 0);
        return 0;
    case msg::Paint:
        window->invalid = window->eraseNeeded = false;
        return 0;
    case msg::EraseBackground:
        return 0;
    default:
        return 0;
    }
}

LResult sendMessage(WindowHandle window, std::uint32_t message, WParam first, LParam second) {
    if (!alive(window) || window->procedure == nullptr) return 0;
    return window->procedure(window, message, first, second);
}

bool postMessage(WindowHandle window, std::uint32_t message, WParam first, LParam second) {
    if (window != nullptr && !alive(window)) return false;
    backend().queue.push_back(Message{window, message, first, second});
    return true;
}

void moveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                bool redraw) {
    if (!alive(window)) return;
    const Rect old = window->bounds;
    window->bounds = Rect{x, y, x + width, y + height};
    const bool moved = old.left != x || old.top != y;
    const bool sized = (old.right - old.left) != width || (old.bottom - old.top) != height;
    sendSizeAndMove(*window, moved, sized);
    if (redraw && alive(window)) window->invalid = window->eraseNeeded = true;
}

Rect clientRect(WindowHandle window) {
    return alive(window) ? clientArea(*window) : Rect{};
}

Rect windowRect(WindowHandle window) {
    if (!alive(window)) return Rect{};
    Rect r = window->bounds;
    if (window->parent != nullptr) {
        const Point origin = clientOrigin(*window->parent);
        r.left += origin.x;
        r.right += origin.x;
        r.top += origin.y;
        r.bottom += origin.y;
    }
    return r;
}

Rect rectInParent(WindowHandle window) {
    if (!alive(window)) return Rect{};
    return window->bounds;
}

Point screenToClient(WindowHandle window, Point point) {
    if (!alive(window)) return point;
    const Point origin = clientOrigin(*window);
    return Point{point.x - origin.x, point.y - origin.y};
}

Point screenSize() {
    return backend().screen;
}

void showWindow(WindowHandle window, bool visible) {
    if (!alive(window) || window->visible == visible) return;
    sendMessage(window, msg::ShowWindow, visible ? 1 : 0, 0);
    if (!alive(window)) return;
    window->visible = visible;
    if (visible) {
        window->invalid = window->eraseNeeded = true;
        // Shown, a top-level window becomes the active one and takes the keyboard focus.
        if (isTopLevel(*window) && window->enabled) {
            backend().foreground = window;
            setFocus(window);
        }
    } else if (backend().focus != nullptr) {
        // A hidden window cannot keep the focus.
        for (WindowObject* w = backend().focus; w != nullptr; w = w->parent)
            if (w == window) {
                setFocus(nullptr);
                break;
            }
    }
}

bool isWindowVisible(WindowHandle window) {
    return alive(window) && shownOnScreen(*window);
}

void enableWindow(WindowHandle window, bool enabled) {
    if (!alive(window) || window->enabled == enabled) return;
    window->enabled = enabled;
    if (!enabled && backend().focus == window) setFocus(nullptr);
    sendMessage(window, msg::Enable, enabled ? 1 : 0, 0);
}

bool isWindowEnabled(WindowHandle window) {
    return alive(window) && window->enabled;
}

void invalidate(WindowHandle window, bool erase) {
    if (!alive(window)) return;
    window->invalid = true;
    if (erase) window->eraseNeeded = true;
}

void invalidateTree(WindowHandle window) {
    invalidate(window, false);
    for (WindowHandle descendant : descendantWindows(window))
        invalidate(descendant, false);
}

void setWindowText(WindowHandle window, const char16_t* text) {
    if (!alive(window)) return;
    window->text = text != nullptr ? text : u"";
    if (window->className == u"Edit") {
        window->selectionStart = window->selectionEnd = 0;
        window->invalid = true;
        // As under Windows, a multi-line edit control does not report a text that was set to it.
        if ((window->style & style::EditMultiline) == 0) notifyEditChange(*window);
    }
}

std::int32_t windowTextLength(WindowHandle window) {
    return alive(window) ? static_cast<std::int32_t>(window->text.size()) : 0;
}

static std::int32_t copyOut(const std::u16string& from, char16_t* buffer, std::int32_t capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    const std::int32_t n = std::min(static_cast<std::int32_t>(from.size()), capacity - 1);
    std::copy_n(from.data(), n, buffer);
    buffer[n] = 0;
    return n;
}

std::int32_t windowText(WindowHandle window, char16_t* buffer, std::int32_t capacity) {
    if (!alive(window)) {
        if (buffer != nullptr && capacity > 0) buffer[0] = 0;
        return 0;
    }
    return copyOut(window->text, buffer, capacity);
}

std::int32_t windowClassName(WindowHandle window, char16_t* buffer, std::int32_t capacity) {
    if (!alive(window)) return 0;
    return copyOut(window->className, buffer, capacity);
}

WindowHandle parentWindow(WindowHandle window) {
    return alive(window) ? window->parent : nullptr;
}

std::vector<WindowHandle> descendantWindows(WindowHandle window) {
    std::vector<WindowHandle> out;
    if (alive(window)) collectDescendants(*window, out);
    return out;
}

WindowHandle setFocus(WindowHandle window) {
    Backend& b = backend();
    WindowObject* previous = b.focus;
    if (window != nullptr && !alive(window)) return previous;
    if (window != nullptr && !inputEnabled(*window)) return previous;
    if (window == previous) return previous;
    // Kill focus goes to the old window before set focus reaches the new one.
    b.focus = window;
    if (alive(previous)) sendMessage(previous, msg::KillFocus, reinterpret_cast<WParam>(window), 0);
    if (window != nullptr && alive(window) && b.focus == window)
        sendMessage(window, msg::SetFocus, reinterpret_cast<WParam>(previous), 0);
    return previous;
}

WindowHandle focusedWindow() {
    return alive(backend().focus) ? backend().focus : nullptr;
}

void setForegroundWindow(WindowHandle window) {
    if (!alive(window)) return;
    backend().foreground = window;
    // Activated, the window takes the focus unless a window inside it has it already.
    for (WindowObject* w = backend().focus; w != nullptr; w = w->parent)
        if (w == window) return;
    if (window->enabled && window->visible) setFocus(window);
}

void bringWindowToTop(WindowHandle window) {
    if (!alive(window)) return;
    auto& all = backend().windows;
    std::erase(all, window);
    all.push_back(window);
}

bool isShiftDown() {
    return headlessShiftDown();
}

void setEditSelection(WindowHandle edit, std::int32_t start, std::int32_t end) {
    if (!alive(edit)) return;
    const auto length = static_cast<std::int32_t>(edit->text.size());
    auto clamp = [&](std::int32_t v) { return (v < 0 || v > length) ? length : v; };
    if (start == 0 && end == -1) {
        edit->selectionStart = 0;
        edit->selectionEnd = length;
        return;
    }
    if (start == -1) {
        // Collapse the selection onto its end.
        edit->selectionStart = edit->selectionEnd;
        return;
    }
    edit->selectionStart = clamp(start);
    edit->selectionEnd = clamp(end);
}

void editSelection(WindowHandle edit, std::int32_t& start, std::int32_t& end) {
    start = end = 0;
    if (!alive(edit)) return;
    start = edit->selectionStart;
    end = edit->selectionEnd;
}

void scrollEditCaret(WindowHandle) {}

void setWindowFont(WindowHandle window, GdiObject font, bool redraw) {
    if (!alive(window)) return;
    window->font = font;
    if (redraw) window->invalid = true;
}

void setEditMargins(WindowHandle edit, std::int32_t left, std::int32_t right) {
    if (alive(edit)) edit->editMargins = Point{left, right};
}

void setLargeIcon(WindowHandle window, std::int32_t resourceId) {
    if (alive(window)) window->iconResource = resourceId;
}

namespace {
// A timer that is due has its tick in the queue already, as far as the program can tell: killing or
// setting the timer again leaves that tick queued, and it is delivered.
void keepQueuedTick(WindowObject& window, std::uintptr_t identifier) {
    auto it = window.timers.find(identifier);
    if (it != window.timers.end() && it->second.due <= virtualClock())
        backend().queue.push_back(Message{&window, msg::Timer, identifier, 0});
}
} // namespace

bool setTimer(WindowHandle window, std::uintptr_t identifier, std::uint32_t periodMs) {
    if (!alive(window)) return false;
    keepQueuedTick(*window, identifier);
    // Windows raises periods below 10 ms to 10 ms.
    const std::uint32_t period = std::max<std::uint32_t>(periodMs, 10);
    window->timers[identifier] = TimerState{period, virtualClock() + period};
    return true;
}

bool killTimer(WindowHandle window, std::uintptr_t identifier) {
    if (!alive(window)) return false;
    keepQueuedTick(*window, identifier);
    return window->timers.erase(identifier) > 0;
}

void trackMouseLeave(WindowHandle window) {
    if (alive(window)) window->trackingLeave = true;
}

bool getMessage(Message& message, std::int32_t& quitCode) {
    while (!headlessNextMessage(message)) {
        if (!headlessIdle()) {
            // Nothing will ever happen again: end the loop rather than wait forever.
            quitCode = -1;
            return false;
        }
    }
    if (message.message == msg::Quit) {
        quitCode = static_cast<std::int32_t>(message.first);
        return false;
    }
    return true;
}

void translateMessage(const Message& message) {
    headlessTranslate(message);
}

LResult dispatchMessage(const Message& message) {
    if (message.window == nullptr) return 0;
    Backend& b = backend();
    if (message.message == msg::LeftDown) {
        b.leftButtonHeld = true;
        b.pressTakenByBox = false;
    } else if (message.message == msg::LeftUp) {
        b.leftButtonHeld = false;
        if (b.pressTakenByBox) {
            b.pressTakenByBox = false;
            return 0;
        }
    }
    if (message.message == msg::Timer) {
        // The tick is due again a period later; a late timer does not pile up ticks. A tick of a
        // timer killed since it was queued is delivered all the same.
        auto it = message.window->timers.find(message.first);
        if (it != message.window->timers.end()) it->second.due = virtualClock() + it->second.period;
    }
    return sendMessage(message.window, message.message, message.first, message.second);
}

void postQuitMessage(std::int32_t code) {
    backend().quitPosted = true;
    backend().quitCode = code;
}

} // namespace zor::platform
