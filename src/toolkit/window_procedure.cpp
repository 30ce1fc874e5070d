#include "toolkit/window_procedure.h"

#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/window.h"
#include "toolkit/colour.h"
#include "toolkit/toolkit_hooks.h"
#include "toolkit/widget_create.h"

#include <string>

namespace zor {

namespace {

using namespace platform;

// Gated callbacks run only while their slot is set and the event gate is open.
template <typename Slot, typename... Args>
void gated(Slot slot, Args&&... args) {
    if (slot != nullptr && toolkit.eventsEnabled) slot(std::forward<Args>(args)...);
}

void storePointer(Widget& w, WParam first, LParam second) {
    w.mouseX = lowWord(static_cast<std::uintptr_t>(second));
    w.mouseY = highWord(static_cast<std::uintptr_t>(second));
    w.mouseKeys = lowWord(first);
}

void repaintOwn(Widget& w, bool erase) {
    invalidate(w.window, erase);
}

LResult countDestroyed(WindowHandle window, std::uint32_t message, WParam first, LParam second) {
    // The first window destroyed (the main window, which goes before its children) ends the loop.
    if (toolkit.openWindowCount-- == 0) postQuitMessage(0);
    return defaultProcedure(window, message, first, second);
}

LResult withoutRecord(WindowHandle window, std::uint32_t message, WParam first, LParam second) {
    switch (message) {
    case msg::Destroy:
        return countDestroyed(window, message, first, second);
    case msg::Paint: {
        const PaintSession session = beginPaint(window);
        endPaint(window, session);
        return 0;
    }
    case msg::EraseBackground:
    case msg::SetFocus:
    case msg::KillFocus:
    case msg::KeyUp:
        return 0;
    default:
        return defaultProcedure(window, message, first, second);
    }
}

bool isTopLevelKind(WidgetKind kind) {
    return kind == WidgetKind::DialogWindow || kind == WidgetKind::MainWindow ||
           kind == WidgetKind::SizingWindow || kind == WidgetKind::PopupWindow ||
           kind == WidgetKind::PopupMenu;
}

void onMoveMessage(Widget& w, LParam second) {
    if (toolkit.eventsEnabled) w.moved = true;
    if (isTopLevelKind(w.kind)) {
        const Rect r = windowRect(w.window);
        w.x = r.left;
        w.y = r.top;
    } else {
        w.x = static_cast<std::int32_t>(lowWord(static_cast<std::uintptr_t>(second)));
        w.y = static_cast<std::int32_t>(highWord(static_cast<std::uintptr_t>(second)));
    }
    gated(w.onMove, w);
}

void onSizeMessage(Widget& w) {
    if (toolkit.eventsEnabled) w.resized = true;
    w.clientRect = clientRect(w.window);
    // The sizing-frame kind (13) is placed in its parent as a child would be; its parent is the desktop.
    const bool screenPosition = w.kind == WidgetKind::DialogWindow || w.kind == WidgetKind::MainWindow ||
                                w.kind == WidgetKind::PopupWindow || w.kind == WidgetKind::PopupMenu;
    const Rect r = screenPosition ? windowRect(w.window) : rectInParent(w.window);
    w.x = r.left;
    w.y = r.top;
    w.width = r.right - r.left;
    w.height = r.bottom - r.top;
    if (w.backDC != nullptr && !makeBackBuffer(w))
        messageBox(nullptr, u"Unable to create back buffer.", u"*Debug*", box::Ok);
    if (w.enabled)
        gated(w.onSize, w);
    else
        w.visualState = Disabled;
}

// Set while a refused field gets its text back: that change is no input.
bool puttingTextBack = false;

// A text the program sets is in the widget's buffer before the edit control reports it; one that
// differs came from the keyboard or a paste.
bool typedAndRefused(Widget& w, std::int32_t n) {
    if (!toolkit.eventsEnabled || toolkit.mayTypeIntoField == nullptr) return false;
    std::u16string shown(static_cast<std::size_t>(n), u'\0');
    windowText(w.editWindow, shown.data(), n);
    shown.resize(std::char_traits<char16_t>::length(shown.c_str()));
    if (shown == w.text->c_str() || toolkit.mayTypeIntoField(w)) return false;
    puttingTextBack = true;
    setWindowText(w.editWindow, w.text->c_str());
    puttingTextBack = false;
    return true;
}

void onTextFieldCommand(Widget& w, WParam first) {
    if (w.kind != WidgetKind::TextField || w.editWindow == nullptr) return;
    const std::uint32_t code = highWord(first);
    if (code == editNotify::SetFocus) {
        setEditSelection(w.editWindow, 0, -1);
    } else if (code == editNotify::KillFocus) {
        gated(w.onEditDone, w);
    } else if (code == editNotify::Change) {
        if (puttingTextBack) return;
        const std::int32_t n = windowTextLength(w.editWindow) + 1;
        if (typedAndRefused(w, n)) return;
        if (w.text->resize(n)) windowText(w.editWindow, w.text->data, n);
        gated(w.onTextChange, w);
    }
}

LResult onColourRequest(Widget& w, WParam first, bool editable) {
    if (w.ctlBrush != nullptr) deleteObject(w.ctlBrush);
    auto* surface = reinterpret_cast<SurfaceHandle>(first);
    const Argb textColour = editable ? w.cttn : w.cttd;
    const Argb background = editable ? w.ctebg : w.ctfd;
    setTextColour(surface, ToColorRef(textColour));
    setBackgroundColour(surface, ToColorRef(background));
    w.ctlBrush = createSolidBrush(ToColorRef(background));
    return reinterpret_cast<LResult>(w.ctlBrush);
}

void onMouseMoveMessage(Widget& w) {
    if (!w.mouseInside) {
        trackMouseLeave(w.window);
        w.mouseInside = true;
        if (w.enabled) {
            w.visualState = MouseOver;
            gated(w.onMouseEnter, w);
        }
        repaintOwn(w, false);
    } else if (w.enabled) {
        gated(w.onMouseMove, w);
    }
}

void onLeftUpMessage(Widget& w) {
    if (w.leftDown) {
        w.leftDown = false;
        if (w.enabled) {
            if (w.groupHead != nullptr) w.selectInGroup();
            w.visualState = MouseOver;
            repaintOwn(w, true);
            gated(w.onClick, w);
            // The click handler of a check box sees checked as it was before the click.
            if (w.kind == WidgetKind::CheckBox && w.togglesOnClick) w.checked = !w.checked;
        }
    }
    if (w.onClick == nullptr) gated(w.onLeftUp, w);
}

void onOtherButtonDown(Widget& w, bool& down, WidgetCallback onDown) {
    down = true;
    if (w.enabled) {
        w.visualState = MouseDown;
        gated(onDown, w);
    }
    repaintOwn(w, true);
}

void onOtherButtonUp(Widget& w, bool& down, WidgetCallback onClick, WidgetCallback onUp) {
    repaintOwn(w, true);
    if (down) {
        down = false;
        if (w.enabled) {
            w.visualState = MouseOver;
            gated(onClick, w);
        }
    }
    gated(onUp, w);
}

// The widget of the top-level window that holds this one.
Widget* topLevelWidget(Widget& widget) {
    WindowHandle window = widget.window;
    for (WindowHandle parent = parentWindow(window); parent != nullptr; parent = parentWindow(parent))
        window = parent;
    return Widget::fromWindow(window);
}

// A key press on a button does what a click does, when the button can be clicked.
bool pressButton(Widget* button) {
    if (button == nullptr || button->window == nullptr || !button->enabled ||
        !isWindowEnabled(button->window) || !isWindowVisible(button->window))
        return false;
    gated(button->onClick, *button);
    return true;
}

// Enter and Escape press the window's own buttons for them when it has them; otherwise Enter and Space
// press the button that has the focus.
void pressForKey(Widget& widget, std::uint32_t key) {
    Widget* top = topLevelWidget(widget);
    if (key == platform::key::Escape && top != nullptr && top->escapeButton != nullptr) {
        pressButton(top->escapeButton);
    } else if (key == platform::key::Enter && top != nullptr && top->enterButton != nullptr) {
        pressButton(top->enterButton);
    } else if ((key == platform::key::Enter || key == platform::key::Space) &&
               widget.kind == WidgetKind::Button) {
        pressButton(&widget);
    }
}

// Inside its parent's client area: a child placed past the parent's edge is clipped away, never seen.
bool withinParent(const Widget& widget) {
    const WindowHandle parent = parentWindow(widget.window);
    if (parent == nullptr) return true;
    const Rect area = clientRect(parent);
    return widget.x < area.right && widget.y < area.bottom && widget.x + widget.width > 0 &&
           widget.y + widget.height > 0;
}

// A widget the focus can go to: on screen and in use.
bool takesFocus(const Widget& widget) {
    return widget.window != nullptr && widget.enabled && isWindowVisible(widget.window) &&
           isWindowEnabled(widget.window) && withinParent(widget);
}

// Along the tab links, past the widgets that are hidden or out of use (those of another layout).
Widget* tabTarget(Widget& from, bool backwards) {
    Widget* target = backwards ? from.tabPrev : from.tabNext;
    for (std::int32_t passed = 0; target != nullptr && target != &from && !takesFocus(*target); ++passed) {
        if (passed > 1000) return nullptr; // links that never come back
        target = backwards ? target->tabPrev : target->tabNext;
    }
    return target != nullptr && takesFocus(*target) ? target : nullptr;
}

} // namespace

void keyDown(Widget& widget, WParam key) {
    widget.lastKey = lowWord(key);
    if (widget.lastKey == platform::key::Tab) {
        if (Widget* target = tabTarget(widget, isShiftDown())) setFocus(target->window);
    }
    pressForKey(widget, widget.lastKey);
    if (widget.onKeyDown != nullptr) widget.onKeyDown(widget, key);
    if (widget.lastKey == platform::key::Enter && widget.kind == WidgetKind::TextField && !widget.multiline)
        gated(widget.onEditDone, widget);
}

LResult widgetProcedure(WindowHandle window, std::uint32_t message, WParam first, LParam second) {
    Widget* record = Widget::fromWindow(window);
    if (record == nullptr) return withoutRecord(window, message, first, second);
    Widget& w = *record;
    if (!w.enabled) w.visualState = Disabled;

    switch (message) {
    case msg::Destroy:
        return countDestroyed(window, message, first, second);
    case msg::DpiChanged:
        // The backend has laid the windows out again (each remade its back buffer on its size message);
        // the edit controls' fonts are pixels of the old scale.
        for (WindowHandle inside : descendantWindows(w.window)) {
            Widget* widget = Widget::fromWindow(inside);
            if (widget != nullptr && widget->editWindow != nullptr) makeEditFont(*widget, true);
        }
        invalidateTree(w.window);
        return 0;
    case msg::Close:
        if (w.onCloseRequest != nullptr && !w.onCloseRequest(w)) return 0;
        break;
    case msg::Move:
        onMoveMessage(w, second);
        break;
    case msg::Size:
        onSizeMessage(w);
        break;
    case msg::SetFocus:
        w.hasFocus = true;
        toolkit.focusedWidget = &w;
        if (w.onFocus != nullptr && toolkit.eventsEnabled)
            w.onFocus(w, reinterpret_cast<WindowHandle>(first));
        else
            repaint(w);
        if (w.editWindow != nullptr) setFocus(w.editWindow);
        return 0;
    case msg::KillFocus:
        w.hasFocus = false;
        if (w.onBlur != nullptr && toolkit.eventsEnabled)
            w.onBlur(reinterpret_cast<WindowHandle>(first), w);
        else
            repaint(w);
        return 0;
    case msg::Paint: {
        // Made before the erase that BeginPaint sends, so a buffered widget is not filled twice; not for
        // the first paint, which draws straight onto the window, so that the form shows sooner (a
        // buffer costs as much as drawing the widget). Should it fail, the painters draw on the window.
        if (w.backDC == nullptr && w.paintedOnScreen) makeBackBuffer(w);
        w.paintedOnScreen = true;
        const PaintSession session = beginPaint(window);
        if (w.onPaint != nullptr && toolkit.eventsEnabled) {
            w.painted = PaintedLook{}; // the owner may draw on the back buffer too
            w.onPaint(session.surface, w);
        } else
            paintWidget(session.surface, w);
        endPaint(window, session);
        break;
    }
    case msg::EraseBackground:
        return eraseWidgetBackground(reinterpret_cast<SurfaceHandle>(first), w);
    case msg::ShowWindow:
        if (first == 1)
            gated(w.onShow, w);
        else
            gated(w.onHide, w);
        break;
    case msg::KeyDown:
        keyDown(w, first);
        break;
    case msg::KeyUp:
        if (w.onKeyUp != nullptr) w.onKeyUp(w);
        break;
    case msg::Command:
        onTextFieldCommand(w, first);
        break;
    case msg::Timer:
        // Windows still delivers a tick that was queued before the timer was killed or armed again:
        // only a tick of the arming that runs now reaches the handler.
        if (w.timerRunning && first == w.timerArming) gated(w.onTimer, w);
        break;
    case msg::ColourEdit:
        return onColourRequest(w, first, true);
    case msg::ColourStatic:
        return onColourRequest(w, first, false);
    case msg::MouseMove:
        storePointer(w, first, second);
        onMouseMoveMessage(w);
        break;
    case msg::LeftDown:
        storePointer(w, first, second);
        w.leftDown = true;
        if (w.enabled) {
            w.visualState = MouseDown;
            gated(w.onLeftDown, w);
        }
        setFocus(w.window);
        repaintOwn(w, true);
        break;
    case msg::LeftUp:
        storePointer(w, first, second);
        onLeftUpMessage(w);
        break;
    case msg::LeftDoubleClick:
        storePointer(w, first, second);
        if (w.enabled) {
            w.visualState = MouseOver;
            gated(w.onDoubleClick, w);
        }
        repaintOwn(w, true);
        break;
    case msg::RightDown:
        storePointer(w, first, second);
        onOtherButtonDown(w, w.rightDown, w.onRightDown);
        break;
    case msg::RightUp:
        storePointer(w, first, second);
        onOtherButtonUp(w, w.rightDown, w.onRightClick, w.onRightUp);
        break;
    case msg::MiddleDown:
        storePointer(w, first, second);
        onOtherButtonDown(w, w.middleDown, w.onMiddleDown);
        break;
    case msg::MiddleUp:
        storePointer(w, first, second);
        onOtherButtonUp(w, w.middleDown, w.onMiddleClick, w.onMiddleUp);
        break;
    case msg::MouseWheel:
        storePointer(w, first, second);
        w.wheelDelta = static_cast<std::int16_t>(highWord(first));
        if (w.enabled) gated(w.onWheel, w);
        repaintOwn(w, true);
        break;
    case msg::ExitSizeMove:
        if (w.moved) {
            w.moved = false;
            gated(w.onMoved, w);
        }
        if (w.resized) {
            w.resized = false;
            gated(w.onResized, w);
        }
        break;
    case msg::MouseLeave:
        w.leftDown = false;
        w.rightDown = false;
        w.mouseInside = false;
        if (w.enabled) {
            w.visualState = Normal;
            gated(w.onMouseLeave, w);
            repaintOwn(w, true);
        }
        break;
    default:
        break;
    }
    return defaultProcedure(window, message, first, second);
}

} // namespace zor
