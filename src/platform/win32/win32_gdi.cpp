// The win32 backend of the GDI seam: device contexts, back buffers, brushes, fonts, fills, one copy.
#include "platform/gdi.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_handles.h"

namespace zor::platform {

using namespace win32;

SurfaceHandle windowSurface(WindowHandle window) {
    return surface(GetDC(hwnd(window)));
}
void releaseWindowSurface(WindowHandle window, SurfaceHandle s) {
    ReleaseDC(hwnd(window), hdc(s));
}

PaintSession beginPaint(WindowHandle window) {
    PAINTSTRUCT ps{};
    PaintSession session;
    session.surface = surface(BeginPaint(hwnd(window), &ps));
    session.area = Rect{toLayout(ps.rcPaint.left), toLayout(ps.rcPaint.top), toLayout(ps.rcPaint.right),
                        toLayout(ps.rcPaint.bottom)};
    session.erase = ps.fErase != 0;
    return session;
}

void endPaint(WindowHandle window, const PaintSession& session) {
    PAINTSTRUCT ps{};
    ps.hdc = hdc(session.surface);
    ps.rcPaint = RECT{toDevice(session.area.left), toDevice(session.area.top), toDevice(session.area.right),
                      toDevice(session.area.bottom)};
    EndPaint(hwnd(window), &ps);
}

SurfaceHandle createCompatibleSurface(SurfaceHandle s) {
    return surface(CreateCompatibleDC(hdc(s)));
}

GdiObject createCompatibleBitmap(SurfaceHandle s, std::int32_t width, std::int32_t height) {
    return object(CreateCompatibleBitmap(hdc(s), toDevice(width), toDevice(height)));
}

GdiObject selectObject(SurfaceHandle s, GdiObject o) {
    return object(SelectObject(hdc(s), gdi(o)));
}
bool deleteObject(GdiObject o) {
    return o != nullptr && DeleteObject(gdi(o)) != 0;
}
bool deleteSurface(SurfaceHandle s) {
    return s != nullptr && DeleteDC(hdc(s)) != 0;
}
GdiObject createSolidBrush(ColourRef colour) {
    return object(CreateSolidBrush(colour));
}

GdiObject createFont(const FontRequest& r) {
    return object(CreateFontW(toDevice(r.height), toDevice(r.width), 0, 0, r.weight, FALSE, FALSE, FALSE,
                              DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                              VARIABLE_PITCH, r.face != nullptr ? wide(r.face) : L""));
}

void fillRect(SurfaceHandle s, const Rect& rect, GdiObject brush) {
    const RECT r{toDevice(rect.left), toDevice(rect.top), toDevice(rect.right), toDevice(rect.bottom)};
    FillRect(hdc(s), &r, static_cast<HBRUSH>(gdi(brush)));
}

void setTextColour(SurfaceHandle s, ColourRef colour) {
    SetTextColor(hdc(s), colour);
}
void setBackgroundColour(SurfaceHandle s, ColourRef colour) {
    SetBkColor(hdc(s), colour);
}

bool copySurface(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height, SurfaceHandle source, std::int32_t sourceX, std::int32_t sourceY) {
    return BitBlt(hdc(target), toDevice(x), toDevice(y), toDevice(width), toDevice(height), hdc(source),
                  toDevice(sourceX), toDevice(sourceY), SRCCOPY) != 0;
}

} // namespace zor::platform
