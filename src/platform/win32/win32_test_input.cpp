// Test input on Windows: the real input system (SendInput), so that Windows itself produces the
// mouse, leave and keyboard messages in its own order; the real clock.
#include "platform/test_input.h"
#include "platform/win32/win32_handles.h"

namespace zor::platform::testing {

using namespace win32;

namespace {

void sendMouse(WindowHandle window, std::int32_t x, std::int32_t y, DWORD flags) {
    POINT p{x, y};
    ClientToScreen(hwnd(window), &p);
    SetCursorPos(p.x, p.y);
    if (flags == 0) return;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void sendKey(std::uint32_t key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(key);
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

} // namespace

void mouseMove(WindowHandle window, std::int32_t x, std::int32_t y) {
    sendMouse(window, x, y, 0);
    sendMouse(window, x, y, MOUSEEVENTF_MOVE);
}
void leftDown(WindowHandle window, std::int32_t x, std::int32_t y) {
    mouseMove(window, x, y);
    sendMouse(window, x, y, MOUSEEVENTF_LEFTDOWN);
}
void leftUp(WindowHandle window, std::int32_t x, std::int32_t y) {
    mouseMove(window, x, y);
    sendMouse(window, x, y, MOUSEEVENTF_LEFTUP);
}
void rightDown(WindowHandle window, std::int32_t x, std::int32_t y) {
    mouseMove(window, x, y);
    sendMouse(window, x, y, MOUSEEVENTF_RIGHTDOWN);
}
void rightUp(WindowHandle window, std::int32_t x, std::int32_t y) {
    mouseMove(window, x, y);
    sendMouse(window, x, y, MOUSEEVENTF_RIGHTUP);
}

void mouseAway() {
    const int right = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int bottom = GetSystemMetrics(SM_CYSCREEN) - 1;
    SetCursorPos(right, bottom);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void keyDown(std::uint32_t virtualKey) {
    sendKey(virtualKey, false);
}
void keyUp(std::uint32_t virtualKey) {
    sendKey(virtualKey, true);
}
void setShift(bool down) {
    sendKey(VK_SHIFT, !down);
}

std::uint64_t clockMs() {
    return GetTickCount64();
}

void waitForEvents(std::uint32_t maxMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, maxMs < 20 ? maxMs : 20, QS_ALLINPUT);
}

static BOOL CALLBACK destroyOne(HWND window, LPARAM) {
    DestroyWindow(window);
    return TRUE;
}

void destroyAllWindows() {
    EnumThreadWindows(GetCurrentThreadId(), destroyOne, 0);
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message != WM_QUIT) DispatchMessageW(&m);
    }
}

} // namespace zor::platform::testing
