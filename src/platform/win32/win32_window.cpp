// The win32 backend of the window seam: thin wrappers over USER32.
//   implements: class registration, windows, extra data, messages, geometry, visibility, focus,
//   edit controls, timers, mouse-leave tracking, the message loop.
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_handles.h"
#include "platform/window.h"

namespace zor::platform {

using namespace win32;

namespace {

WindowProcedure toolkitProcedure = nullptr;

// Positions and sizes that messages carry reach the toolkit in layout units.
bool carriesPosition(UINT message) {
    switch (message) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

BOOL CALLBACK rescaleChild(HWND child, LPARAM oldDpi) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    const auto rescale = [oldDpi](LONG v) {
        return toDevice(MulDiv(v, layoutDpi, static_cast<int>(oldDpi)));
    };
    const LONG left = rescale(r.left), top = rescale(r.top);
    SetWindowPos(child, nullptr, left, top, rescale(r.right) - left, rescale(r.bottom) - top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

// The window went to a monitor of another scale: every window inside it is laid out again for it,
// the window takes the rectangle Windows suggests, and the toolkit remakes what it drew for the old one.
LRESULT dpiChanged(HWND window, WPARAM first, LPARAM second) {
    const int oldDpi = currentDpi();
    setCurrentDpi(HIWORD(first));
    if (currentDpi() != oldDpi) EnumChildWindows(window, rescaleChild, oldDpi);
    const RECT* suggested = reinterpret_cast<const RECT*>(second);
    if (suggested != nullptr)
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return toolkitProcedure(handle(window), msg::DpiChanged, 0, 0);
}

LRESULT CALLBACK classProcedure(HWND window, UINT message, WPARAM first, LPARAM second) {
    if (toolkitProcedure == nullptr) return DefWindowProcW(window, message, first, second);
    if (message == WM_DPICHANGED) return dpiChanged(window, first, second);
    if (carriesPosition(message)) second = packedToLayout(second);
    return toolkitProcedure(handle(window), message, first, second);
}

BOOL CALLBACK collectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(handle(child));
    return TRUE;
}

} // namespace

bool isWidgetClassRegistered() {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    return GetClassInfoExW(GetModuleHandleW(nullptr), wide(widgetClassName), &info) != 0;
}

bool registerWidgetClass(WindowProcedure procedure) {
    toolkitProcedure = procedure;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = classProcedure;
    wc.cbWndExtra = sizeof(void*); // the widget record: a pointer wide, on 64-bit Windows too
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = wide(widgetClassName);
    return RegisterClassExW(&wc) != 0;
}

WindowHandle createWindow(const CreateRequest& r) {
    return handle(CreateWindowExW(r.exStyle, wide(r.className), r.title != nullptr ? wide(r.title) : nullptr,
                                  r.style, toDevice(r.x), toDevice(r.y), toDevice(r.width),
                                  toDevice(r.height), hwnd(r.parent), nullptr, GetModuleHandleW(nullptr),
                                  nullptr));
}

void destroyWindow(WindowHandle window) {
    DestroyWindow(hwnd(window));
}
bool isWindow(WindowHandle window) {
    return window != nullptr && IsWindow(hwnd(window)) != 0;
}

void setWindowRecord(WindowHandle window, void* record) {
    SetWindowLongPtrW(hwnd(window), 0, reinterpret_cast<LONG_PTR>(record));
}

void* windowRecord(WindowHandle window) {
    if (window == nullptr) return nullptr;
    // Only our own class has the extra slot; an edit control's slot 0 would be something else.
    wchar_t name[8] = {};
    if (GetClassNameW(hwnd(window), name, 8) == 0 || lstrcmpW(name, wide(widgetClassName)) != 0)
        return nullptr;
    return reinterpret_cast<void*>(GetWindowLongPtrW(hwnd(window), 0));
}

LResult defaultProcedure(WindowHandle window, std::uint32_t message, WParam first, LParam second) {
    return DefWindowProcW(hwnd(window), message, first, second);
}

LResult sendMessage(WindowHandle window, std::uint32_t message, WParam first, LParam second) {
    return SendMessageW(hwnd(window), message, first, second);
}

bool postMessage(WindowHandle window, std::uint32_t message, WParam first, LParam second) {
    return PostMessageW(hwnd(window), message, first, second) != 0;
}

void moveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                bool redraw) {
    MoveWindow(hwnd(window), toDevice(x), toDevice(y), toDevice(width), toDevice(height),
               redraw ? TRUE : FALSE);
}

Rect clientRect(WindowHandle window) {
    RECT r{};
    GetClientRect(hwnd(window), &r);
    return Rect{toLayout(r.left), toLayout(r.top), toLayout(r.right), toLayout(r.bottom)};
}

Rect windowRect(WindowHandle window) {
    RECT r{};
    GetWindowRect(hwnd(window), &r);
    return Rect{toLayout(r.left), toLayout(r.top), toLayout(r.right), toLayout(r.bottom)};
}

Rect rectInParent(WindowHandle window) {
    RECT r{};
    GetWindowRect(hwnd(window), &r);
    const HWND parent = GetParent(hwnd(window));
    if (parent != nullptr && (GetWindowLongW(hwnd(window), GWL_STYLE) & WS_CHILD) != 0)
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return Rect{toLayout(r.left), toLayout(r.top), toLayout(r.right), toLayout(r.bottom)};
}

Point screenToClient(WindowHandle window, Point point) {
    POINT p{toDevice(point.x), toDevice(point.y)};
    ScreenToClient(hwnd(window), &p);
    return Point{toLayout(p.x), toLayout(p.y)};
}

Point screenSize() {
    return Point{toLayout(GetSystemMetrics(SM_CXSCREEN)), toLayout(GetSystemMetrics(SM_CYSCREEN))};
}

void showWindow(WindowHandle window, bool visible) {
    ShowWindow(hwnd(window), visible ? SW_SHOWNORMAL : SW_HIDE);
}
bool isWindowVisible(WindowHandle window) {
    return IsWindowVisible(hwnd(window)) != 0;
}
void enableWindow(WindowHandle window, bool enabled) {
    EnableWindow(hwnd(window), enabled ? TRUE : FALSE);
}
bool isWindowEnabled(WindowHandle window) {
    return IsWindowEnabled(hwnd(window)) != 0;
}
void invalidate(WindowHandle window, bool erase) {
    InvalidateRect(hwnd(window), nullptr, erase ? TRUE : FALSE);
}
void invalidateTree(WindowHandle window) {
    RedrawWindow(hwnd(window), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}
void setWindowText(WindowHandle window, const char16_t* text) {
    SetWindowTextW(hwnd(window), wide(text));
}
std::int32_t windowTextLength(WindowHandle window) {
    return GetWindowTextLengthW(hwnd(window));
}

std::int32_t windowText(WindowHandle window, char16_t* buffer, std::int32_t capacity) {
    return GetWindowTextW(hwnd(window), wide(buffer), capacity);
}

std::int32_t windowClassName(WindowHandle window, char16_t* buffer, std::int32_t capacity) {
    return GetClassNameW(hwnd(window), wide(buffer), capacity);
}

WindowHandle parentWindow(WindowHandle window) {
    return handle(GetParent(hwnd(window)));
}

std::vector<WindowHandle> descendantWindows(WindowHandle window) {
    std::vector<WindowHandle> out;
    EnumChildWindows(hwnd(window), collectChild, reinterpret_cast<LPARAM>(&out));
    return out;
}

WindowHandle setFocus(WindowHandle window) {
    return handle(SetFocus(hwnd(window)));
}
WindowHandle focusedWindow() {
    return handle(GetFocus());
}
void setForegroundWindow(WindowHandle window) {
    SetForegroundWindow(hwnd(window));
}
void bringWindowToTop(WindowHandle window) {
    BringWindowToTop(hwnd(window));
}
bool isShiftDown() {
    return (GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

void setEditSelection(WindowHandle edit, std::int32_t start, std::int32_t end) {
    SendMessageW(hwnd(edit), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void editSelection(WindowHandle edit, std::int32_t& start, std::int32_t& end) {
    DWORD s = 0, e = 0;
    SendMessageW(hwnd(edit), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<std::int32_t>(s);
    end = static_cast<std::int32_t>(e);
}

void scrollEditCaret(WindowHandle edit) {
    SendMessageW(hwnd(edit), EM_SCROLLCARET, 0, 0);
}

void setWindowFont(WindowHandle window, GdiObject font, bool redraw) {
    SendMessageW(hwnd(window), WM_SETFONT, reinterpret_cast<WPARAM>(gdi(font)), redraw ? TRUE : FALSE);
}

void setEditMargins(WindowHandle edit, std::int32_t left, std::int32_t right) {
    SendMessageW(hwnd(edit), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(static_cast<WORD>(toDevice(left)), static_cast<WORD>(toDevice(right))));
}

void setLargeIcon(WindowHandle window, std::int32_t resourceId) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON, 32, 32, 0);
    if (icon != nullptr) SendMessageW(hwnd(window), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

bool setTimer(WindowHandle window, std::uintptr_t identifier, std::uint32_t periodMs) {
    return SetTimer(hwnd(window), identifier, periodMs, nullptr) != 0;
}

bool killTimer(WindowHandle window, std::uintptr_t identifier) {
    return KillTimer(hwnd(window), identifier) != 0;
}

void trackMouseLeave(WindowHandle window) {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof request;
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = hwnd(window);
    request.dwHoverTime = 0;
    TrackMouseEvent(&request);
}

static Message fromMsg(const MSG& m) {
    return Message{handle(m.hwnd), m.message, m.wParam, m.lParam};
}

static MSG toMsg(const Message& m) {
    MSG out{};
    out.hwnd = hwnd(m.window);
    out.message = m.message;
    out.wParam = m.first;
    out.lParam = m.second;
    return out;
}

bool getMessage(Message& message, std::int32_t& quitCode) {
    MSG m{};
    const BOOL result = GetMessageW(&m, nullptr, 0, 0);
    if (result == 0) {
        quitCode = static_cast<std::int32_t>(m.wParam);
        return false;
    }
    if (result == -1) {
        // Retrieval itself failed: nothing more will come, so end with a code that says so.
        quitCode = -1;
        return false;
    }
    message = fromMsg(m);
    return true;
}

bool peekMessage(Message& message) {
    MSG m{};
    if (!PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) return false;
    message = fromMsg(m);
    return true;
}

void translateMessage(const Message& message) {
    const MSG m = toMsg(message);
    TranslateMessage(&m);
}

LResult dispatchMessage(const Message& message) {
    const MSG m = toMsg(message);
    return DispatchMessageW(&m);
}

void postQuitMessage(std::int32_t code) {
    PostQuitMessage(code);
}

} // namespace zor::platform
