// Test input on Windows: the real input system (SendInput), so that Windows itself produces the
// mouse, leave and keyboard messages in its own order and finds the window under the pointer; the
// real clock. Message boxes are answered from a thread timer, which their modal loop runs.
#include "platform/test_input.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_handles.h"

#include <deque>

namespace zor::platform::testing {

using namespace win32;

namespace {

void sendMouse(WindowHandle window, std::int32_t x, std::int32_t y, DWORD flags) {
    POINT p{toDevice(x), toDevice(y)};
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

std::deque<std::int32_t> boxAnswers;
UINT_PTR answerTimer = 0;

BOOL CALLBACK findShownBox(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void stopAnswering() {
    if (answerTimer != 0) KillTimer(nullptr, answerTimer);
    answerTimer = 0;
    boxAnswers.clear();
}

// Runs inside the message box's own loop: presses the scripted button of the box that is up.
void CALLBACK answerShownBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findShownBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr || boxAnswers.empty()) return;
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(boxAnswers.front()), 0);
    boxAnswers.pop_front();
    if (boxAnswers.empty()) stopAnswering();
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
void setAlt(bool down) {
    sendKey(VK_MENU, !down);
}

void typeText(const char16_t* text) {
    if (text == nullptr) return;
    for (const char16_t* c = text; *c != 0; ++c) {
        INPUT input[2] = {};
        for (INPUT& i : input) {
            i.type = INPUT_KEYBOARD;
            i.ki.wScan = static_cast<WORD>(*c);
            i.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof input[0]);
    }
}

void userResize(WindowHandle window, std::int32_t width, std::int32_t height) {
    HWND w = hwnd(window);
    SendMessageW(w, WM_ENTERSIZEMOVE, 0, 0);
    SetWindowPos(w, nullptr, 0, 0, toDevice(width), toDevice(height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(w, WM_EXITSIZEMOVE, 0, 0);
}

void answerNextBoxes(std::initializer_list<std::int32_t> answers) {
    boxAnswers.insert(boxAnswers.end(), answers.begin(), answers.end());
    if (answerTimer == 0 && !boxAnswers.empty()) answerTimer = SetTimer(nullptr, 0, 50, answerShownBox);
}

std::uint64_t clockMs() {
    return GetTickCount64();
}

void waitForEvents(std::uint32_t maxMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, maxMs < 20 ? maxMs : 20, QS_ALLINPUT);
}

void letTimePass(std::uint32_t ms) {
    Sleep(ms);
}

static BOOL CALLBACK destroyOne(HWND window, LPARAM) {
    DestroyWindow(window);
    return TRUE;
}

void destroyAllWindows() {
    stopAnswering();
    EnumThreadWindows(GetCurrentThreadId(), destroyOne, 0);
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message != WM_QUIT) DispatchMessageW(&m);
    }
}

} // namespace zor::platform::testing
