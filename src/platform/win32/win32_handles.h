// Conversions between the seam's handle types and Win32's. Included only by the win32 backend.
#pragma once

#include "platform/types.h"

#include <windows.h>

namespace zor::platform::win32 {

inline HWND hwnd(WindowHandle w) {
    return reinterpret_cast<HWND>(w);
}
inline WindowHandle handle(HWND w) {
    return reinterpret_cast<WindowHandle>(w);
}
inline HDC hdc(SurfaceHandle s) {
    return reinterpret_cast<HDC>(s);
}
inline SurfaceHandle surface(HDC dc) {
    return reinterpret_cast<SurfaceHandle>(dc);
}
inline HGDIOBJ gdi(GdiObject o) {
    return reinterpret_cast<HGDIOBJ>(o);
}
inline GdiObject object(HGDIOBJ o) {
    return reinterpret_cast<GdiObject>(o);
}
inline const wchar_t* wide(const char16_t* s) {
    return reinterpret_cast<const wchar_t*>(s);
}
inline wchar_t* wide(char16_t* s) {
    return reinterpret_cast<wchar_t*>(s);
}

} // namespace zor::platform::win32
