#include "toolkit/layout.h"

#include "platform/window.h"
#include "toolkit/message_loop.h"
#include "toolkit/theme.h"

namespace zor {

namespace {

using namespace platform;

void fitEditControl(Widget& w, bool redraw) {
    if (w.editWindow != nullptr) moveWindow(w.editWindow, 0, 0, w.width, w.height, redraw);
}

void applyBounds(Widget& w) {
    if (w.window != nullptr) moveWindow(w.window, w.x, w.y, w.width, w.height, false);
    fitEditControl(w, false);
    repaint(w);
}

void setWindowsEnabled(Widget& w, bool flag) {
    w.visualState = flag ? Normal : Disabled;
    WidgetCallback hook = flag ? w.onEnable : w.onDisable;
    if (hook != nullptr) hook(w);
}

} // namespace

void setBounds(Widget& w, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    w.x = x;
    w.y = y;
    w.width = width;
    w.height = height;
    applyBounds(w);
}

void moveTo(Widget& w, std::int32_t x, std::int32_t y) {
    setBounds(w, x, y, w.width, w.height);
}
void setHeight(Widget& w, std::int32_t height) {
    setBounds(w, w.x, w.y, w.width, height);
}

void growBy(Widget& w, std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh) {
    w.x += dx;
    w.y += dy;
    w.width += dw;
    w.height += dh;
    if (w.window != nullptr) moveWindow(w.window, w.x, w.y, w.width, w.height, true);
    repaint(w);
    fitEditControl(w, true);
    repaint(w);
}

void placeRightOf(Widget& w, const Widget& other, std::int32_t gap) {
    moveTo(w, rightOf(other, gap), other.y);
}
void placeBelow(Widget& w, const Widget& other, std::int32_t gap) {
    moveTo(w, other.x, bottomOf(other, gap));
}

void placeBelowSameSize(Widget& w, const Widget& other, std::int32_t gap) {
    setBounds(w, other.x, bottomOf(other, gap), other.width, other.height);
}

void stretchInside(Widget& w, const Widget& container, std::int32_t margin) {
    setBounds(w, margin, w.y, innerWidth(container, margin), w.height);
}

void encloseBelow(Widget& w, const Widget& child, std::int32_t gap) {
    setHeight(w, bottomOf(child, gap));
}

void placeBottomRightPair(const Widget& container, Widget& first, Widget& second) {
    // The 45 allows for the caption and frame: the container's size is its outer size.
    moveTo(first, container.width - first.width - 25, container.height - first.height - 45);
    moveTo(second, first.x - second.width - 5, first.y);
}

std::int32_t halfScreenWidth() {
    return screenSize().x / 2;
}
std::int32_t halfScreenHeight() {
    return screenSize().y / 2;
}

void show(Widget& w) {
    if (w.window != nullptr) showWindow(w.window, true);
    w.visualState = Normal;
}

void hide(Widget& w) {
    if (w.window != nullptr) showWindow(w.window, false);
    w.visualState = Hidden;
}

void setEnabled(Widget& w, bool flag) {
    w.enabled = flag;
    setWindowsEnabled(w, flag);
    if (w.window == nullptr) return;
    enableWindow(w.window, flag);
    for (WindowHandle descendant : descendantWindows(w.window)) {
        enableWindow(descendant, flag);
        if (isEditControl(descendant)) continue;
        Widget* inner = Widget::fromWindow(descendant);
        if (inner == nullptr) continue;
        setWindowsEnabled(*inner, flag);
        if (inner->editWindow != nullptr) enableWindow(inner->editWindow, flag);
    }
    repaint(w);
}

void enableWindowOnly(Widget& w) {
    if (w.window != nullptr) enableWindow(w.window, true);
}

void disableWindowOnly(Widget& w) {
    if (w.window != nullptr) enableWindow(w.window, false);
}

void bringToFront(Widget& w) {
    if (w.window == nullptr) return;
    setForegroundWindow(w.window);
    bringWindowToTop(w.window);
}

void focusTextField(Widget& w, bool plain) {
    if (w.editWindow == nullptr) return;
    if (plain) {
        setFocus(w.window);
        return;
    }
    std::int32_t start = 0, end = 0;
    editSelection(w.editWindow, start, end);
    setFocus(w.window);
    setEditSelection(w.editWindow, start, end);
}

void copyColoursToDescendants(Widget& source) {
    if (source.window == nullptr) return;
    bool skipNext = false;
    for (WindowHandle descendant : descendantWindows(source.window)) {
        // The window right after a text field is its edit control.
        if (skipNext) {
            skipNext = false;
            continue;
        }
        Widget* inner = Widget::fromWindow(descendant);
        if (inner == nullptr) continue;
        CopyColours(*inner, source);
        skipNext = inner->kind == WidgetKind::TextField && inner->editWindow != nullptr;
    }
}

} // namespace zor
