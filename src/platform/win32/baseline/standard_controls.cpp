// The yardstick for the form's start-up and repaint under Wine: a window of the form's size holding
// the same number of child windows, made of the system's own standard controls (edit, button, static),
// which pays the same window-system costs that one window per widget pays.
//   standard_controls startup N   builds N controls in a hidden window, shows it once built, handles
//                                 messages until the first timer tick, which the window system hands
//                                 out only once no window is left to paint, or until none is left (the
//                                 first paint done, as the form's start-up is timed), and prints the
//                                 wall-clock time (ms since the epoch) of that moment
//   standard_controls repaint N   the same, then prints the median of 50 full repaints in ms
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void drain() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// As the form's probe: handles messages until the first tick of the timer armed before the window was
// shown (left unhandled), or until none is left.
void drainUntilPainted() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_TIMER) return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

long long epochMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// A grid of rows 30 pixels apart in columns 120 wide, as the form fills its window.
void buildControls(HWND window, int count) {
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const wchar_t* const classes[] = {L"BUTTON", L"STATIC", L"EDIT"};
    for (int i = 0; i < count; ++i) {
        const wchar_t* kind = classes[i % 3];
        const DWORD style = WS_CHILD | WS_VISIBLE | (i % 3 == 2 ? WS_BORDER | ES_AUTOHSCROLL : 0);
        HWND control = CreateWindowExW(0, kind, L"Control", style, 10 + (i / 20) * 95, 10 + (i % 20) * 30, 90,
                                       25, window, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool repaint = argc > 1 && std::strcmp(argv[1], "repaint") == 0;
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 211;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"StandardControlsBaseline";
    RegisterClassExW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Baseline", WS_OVERLAPPEDWINDOW, 100, 100, 1080, 650,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    buildControls(window, count);
    if (!repaint) {
        SetTimer(window, 1, USER_TIMER_MINIMUM, nullptr);
        ShowWindow(window, SW_SHOW);
        drainUntilPainted();
        std::printf("%lld\n", epochMs());
        return 0;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    drain();
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        const auto start = std::chrono::steady_clock::now();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        drain();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%.2f\n", times[times.size() / 2]);
    return 0;
}
