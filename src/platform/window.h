// Windows, messages, timers and the message loop: what the toolkit needs of the window system.
// Implemented by platform/win32 (the product) and platform/headless (tests).
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <vector>

namespace zor::platform {

// The toolkit's own window class "WinObj" and the native edit control class.
inline constexpr const char16_t* widgetClassName = u"WinObj";
inline constexpr const char16_t* editClassName = u"EDIT";

struct CreateRequest {
    const char16_t* className = widgetClassName;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    const char16_t* title = nullptr; // null: no title
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    WindowHandle parent = nullptr;
};

// Class registration. The class keeps one pointer of window extra data for the widget record.
bool isWidgetClassRegistered();
bool registerWidgetClass(WindowProcedure procedure);

WindowHandle createWindow(const CreateRequest& request);
void destroyWindow(WindowHandle window);
bool isWindow(WindowHandle window);

// Extra data slot 0 of a "WinObj" window.
void setWindowRecord(WindowHandle window, void* record);
void* windowRecord(WindowHandle window);

LResult defaultProcedure(WindowHandle window, std::uint32_t message, WParam first, LParam second);
LResult sendMessage(WindowHandle window, std::uint32_t message, WParam first, LParam second);
bool postMessage(WindowHandle window, std::uint32_t message, WParam first, LParam second);

// Geometry. Moves send the size and move messages back synchronously.
void moveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                bool redraw);
Rect clientRect(WindowHandle window);
Rect windowRect(WindowHandle window); // screen coordinates
// The window's rectangle in its parent's client area (on the screen for a top-level window), worked
// out by the window system in its own pixels, so that no rounding of screen positions creeps in.
Rect rectInParent(WindowHandle window);
Point screenToClient(WindowHandle window, Point point);
Point screenSize();

// Visibility, enabling, painting.
void showWindow(WindowHandle window, bool visible);
bool isWindowVisible(WindowHandle window);
void enableWindow(WindowHandle window, bool enabled);
bool isWindowEnabled(WindowHandle window);
void invalidate(WindowHandle window, bool erase);
// The window and every descendant (all levels, edit controls included), without erase, in one request.
void invalidateTree(WindowHandle window);
void setWindowText(WindowHandle window, const char16_t* text);
std::int32_t windowTextLength(WindowHandle window);
// Copies at most capacity - 1 characters and a terminator; returns the count copied.
std::int32_t windowText(WindowHandle window, char16_t* buffer, std::int32_t capacity);
// Class name, at most capacity - 1 characters and a terminator; returns the count copied.
std::int32_t windowClassName(WindowHandle window, char16_t* buffer, std::int32_t capacity);

// Tree.
WindowHandle parentWindow(WindowHandle window);
// Every descendant, depth first, each window followed by its own descendants (the platform's enumeration
// order).
std::vector<WindowHandle> descendantWindows(WindowHandle window);

// Focus and order.
WindowHandle setFocus(WindowHandle window); // returns the window that had the focus
WindowHandle focusedWindow();
void setForegroundWindow(WindowHandle window);
void bringWindowToTop(WindowHandle window);
bool isShiftDown();

// Edit controls.
void setEditSelection(WindowHandle edit, std::int32_t start, std::int32_t end);
void editSelection(WindowHandle edit, std::int32_t& start, std::int32_t& end);
void scrollEditCaret(WindowHandle edit);
void setWindowFont(WindowHandle window, GdiObject font, bool redraw);
// The blank an edit control keeps left and right of its text, in pixels.
void setEditMargins(WindowHandle edit, std::int32_t left, std::int32_t right);

// Sets the window's large icon from the program's icon resource, loaded at 32 x 32.
void setLargeIcon(WindowHandle window, std::int32_t resourceId);

// Timers and mouse-leave tracking. Killing or setting a timer again does not take back a tick that is
// already queued: it is still delivered (the toolkit gives each arming its own identifier).
bool setTimer(WindowHandle window, std::uintptr_t identifier, std::uint32_t periodMs);
bool killTimer(WindowHandle window, std::uintptr_t identifier);
void trackMouseLeave(WindowHandle window);

// Message loop. getMessage returns false when the quit message is retrieved (its code in quitCode).
bool getMessage(Message& message, std::int32_t& quitCode);
// Takes the next message if there is one, without waiting (the quit message included).
bool peekMessage(Message& message);
void translateMessage(const Message& message);
LResult dispatchMessage(const Message& message);
void postQuitMessage(std::int32_t code);

} // namespace zor::platform
