// A look at a running program's windows from outside, as Win32 reports them: for the top-level window
// whose title starts with the given text, one line per "WinObj" window inside it:
//   caption|x,y,width,height|screen centre x,y|visible|enabled
// with x and y in the parent's client area, visible and enabled as 1 or 0 (visible counts the
// ancestors, enabled is the window's own flag). The first line is the top-level window itself, in
// screen coordinates. Each edit control follows as a line of the same form whose caption is "edit:" and
// the text it holds. The last line is "focus:" and the caption of the "WinObj" window that has the
// keyboard focus (for an edit control: its field), or "focus:" alone. Used by the checks of the real
// program under Wine.
// With "--queue-ticks N" after the title it prints nothing and posts the top-level window a WM_TIMER
// of each timer identifier from 1 to N: ticks as Windows may still deliver them after their timer was
// killed, which Wine does not do on its own.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* prefix;
    HWND found;
};

BOOL CALLBACK findTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    // A leading "*" marks unsent settings in the main window's title; the window is the same.
    const wchar_t* named = title[0] == L'*' ? title + 1 : title;
    if (std::wcsncmp(named, search->prefix, std::wcslen(search->prefix)) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

std::string narrowed(const wchar_t* text) {
    std::string narrow;
    for (const wchar_t* c = text; *c != 0; ++c)
        narrow.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
    return narrow;
}

// An edit control's text is asked of the control itself (the window title keeps the first text).
std::string captionOf(HWND window, bool edit) {
    wchar_t caption[256] = {};
    if (edit)
        SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(caption));
    else
        GetWindowTextW(window, caption, 256);
    return (edit ? "edit:" : "") + narrowed(caption);
}

bool hasClass(HWND window, const wchar_t* name) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return _wcsicmp(className, name) == 0;
}

void printLine(HWND window, const RECT& r, POINT origin) {
    const std::string caption = captionOf(window, hasClass(window, L"Edit"));
    std::printf("%s|%ld,%ld,%ld,%ld|%ld,%ld|%d|%d\n", caption.c_str(), r.left - origin.x, r.top - origin.y,
                r.right - r.left, r.bottom - r.top, (r.left + r.right) / 2, (r.top + r.bottom) / 2,
                IsWindowVisible(window) ? 1 : 0, IsWindowEnabled(window) ? 1 : 0);
}

BOOL CALLBACK printChild(HWND window, LPARAM) {
    if (!hasClass(window, L"WinObj") && !hasClass(window, L"Edit")) return TRUE;
    RECT r{};
    GetWindowRect(window, &r);
    POINT origin{0, 0};
    ClientToScreen(GetParent(window), &origin);
    printLine(window, r, origin);
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_probe TITLE-PREFIX [--queue-ticks N]\n");
        return 2;
    }
    // The program's windows in the monitor's pixels, whatever its scale.
    SetProcessDPIAware();
    Search search{argv[1], nullptr};
    EnumWindows(findTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return 1;
    if (argc == 4 && std::wcscmp(argv[2], L"--queue-ticks") == 0) {
        const long count = std::wcstol(argv[3], nullptr, 10);
        for (long identifier = 1; identifier <= count; ++identifier)
            if (!PostMessageW(search.found, WM_TIMER, static_cast<WPARAM>(identifier), 0)) return 1;
        return 0;
    }
    RECT r{};
    GetWindowRect(search.found, &r);
    printLine(search.found, r, POINT{0, 0});
    EnumChildWindows(search.found, printChild, 0);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    HWND focus = nullptr;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(search.found, nullptr), &thread)) focus = thread.hwndFocus;
    if (focus != nullptr && hasClass(focus, L"Edit")) focus = GetParent(focus);
    std::printf("focus:%s\n", focus != nullptr ? captionOf(focus, false).c_str() : "");
    std::fflush(stdout);
    return 0;
}
