// State of the headless window system, shared by the files of this backend.
#pragma once

#include "platform/gdi.h"
#include "platform/headless/headless_clock.h"
#include "platform/types.h"
#include "platform/window.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace zor::platform {

struct TimerState {
    std::uint32_t period = 0;
    std::uint64_t due = 0;
};

struct WindowObject {
    std::u16string className; // as registered: "WinObj" or "Edit"
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    std::u16string text;
    Rect bounds; // outer rectangle: parent client coordinates for children, screen for top-level windows
    WindowObject* parent = nullptr;
    std::vector<WindowObject*> children; // creation order
    WindowProcedure procedure = nullptr;
    void* record = nullptr;
    bool visible = false;
    bool enabled = true;
    bool alive = true;
    bool invalid = false;
    bool eraseNeeded = false;
    bool trackingLeave = false;
    std::map<std::uintptr_t, TimerState> timers;
    GdiObject font = nullptr;
    Point editMargins; // edit control: left and right
    std::int32_t iconResource = 0;
    // Edit control state.
    std::int32_t selectionStart = 0;
    std::int32_t selectionEnd = 0;
};

namespace headless_detail {

struct Backend {
    bool classRegistered = false;
    WindowProcedure widgetProcedure = nullptr;
    std::vector<WindowObject*> windows; // every window ever created since the reset, alive or not
    std::deque<Message> queue;
    bool quitPosted = false;
    std::int32_t quitCode = 0;
    WindowObject* focus = nullptr;
    WindowObject* foreground = nullptr;
    Point screen{1920, 1080};
    bool shiftDown = false;
    bool altDown = false;
    WindowObject* pointerWindow = nullptr; // window the mouse is over
    std::u16string refusedCharacters;      // typed into edit controls that beeped and ignored them
    // A message box that comes up while the left button is pressed takes the press: as on Windows, the
    // release then reaches the box, not the window that was pressed.
    bool leftButtonHeld = false;
    bool pressTakenByBox = false;
};

Backend& backend();
bool alive(WindowHandle window);
bool isTopLevel(const WindowObject& window);
bool inputEnabled(const WindowObject& window);  // the window and all its ancestors are enabled
bool shownOnScreen(const WindowObject& window); // the window and all its ancestors are visible
Rect clientArea(const WindowObject& window);    // client rectangle in the window's own coordinates
Point clientOrigin(const WindowObject& window); // the client area's top-left corner on the screen
bool headlessNextMessage(Message& message);     // non-blocking: posted, quit, paint, then due timers
bool headlessIdle();                            // lets time pass to the next due timer; false when none runs
void headlessTranslate(const Message& message);
bool headlessShiftDown();
LResult editProcedure(WindowHandle window, std::uint32_t message, WParam first, LParam second);
void notifyEditChange(WindowObject& edit);
void forgetBoxAnswers();
// The modal loop of a message box or file dialog that stays up for ms of virtual time: posted
// messages, paint and due timers are dispatched meanwhile; a quit request is kept for the main loop.
void runModalLoop(std::uint32_t ms);

} // namespace headless_detail
} // namespace zor::platform
