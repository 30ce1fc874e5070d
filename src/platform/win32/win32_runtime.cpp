// GDI+ start and shutdown, message boxes and the beep on Windows.
#include "platform/dialogs.h"
#include "platform/graphics_runtime.h"
#include "platform/win32/win32_handles.h"

// GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>

#include <gdiplus.h>

namespace zor::platform {

using namespace win32;

bool startGraphics(std::uintptr_t& token) {
    Gdiplus::GdiplusStartupInput input; // version 1, no debug callback, background thread, external codecs
    ULONG_PTR started = 0;
    if (Gdiplus::GdiplusStartup(&started, &input, nullptr) != Gdiplus::Ok) return false;
    token = started;
    return true;
}

void shutdownGraphics(std::uintptr_t token) {
    Gdiplus::GdiplusShutdown(token);
}

std::int32_t messageBox(WindowHandle owner, const char16_t* text, const char16_t* caption,
                        std::uint32_t flags) {
    return MessageBoxW(hwnd(owner), wide(text), wide(caption), flags);
}

void beep(std::uint32_t frequencyHz, std::uint32_t durationMs) {
    Beep(frequencyHz, durationMs);
}

} // namespace zor::platform
