#include "render/paint_frame.h"

#include "platform/gdi.h"
#include "render/colour.h"
#include "render/graphics_objects.h"

namespace zor {

namespace {

// The background goes through GDI: opaque whatever the colour's alpha, so nothing of the last paint
// shows through.
void fillOpaque(platform::SurfaceHandle surface, const platform::Rect& rect, Argb colour) {
    platform::GdiObject brush = platform::createSolidBrush(ToColorRef(colour));
    platform::fillRect(surface, rect, brush);
    platform::deleteObject(brush);
}

void finish(platform::SurfaceHandle paintSurface, Widget& widget, platform::SurfaceHandle drawn) {
    if (widget.onOverlay != nullptr) widget.onOverlay(drawn, widget);
    if (drawn != paintSurface)
        platform::copySurface(paintSurface, 0, 0, widget.clientRect.right, widget.clientRect.bottom, drawn, 0,
                              0);
}

} // namespace

bool hasBackBuffer(const Widget& widget) {
    return widget.backDC != nullptr && widget.backBitmap != nullptr;
}

bool PaintFrame(platform::SurfaceHandle paintSurface, Widget& widget, Argb background, PaintLayers layers) {
    const bool buffered = hasBackBuffer(widget);
    const platform::SurfaceHandle target = buffered ? widget.backDC : paintSurface;
    // The background is filled before the graphics context exists: GDI and GDI+ do not share a DC at once.
    // Should the context fail, the filled buffer is never copied, so the window shows nothing new.
    if (buffered) fillOpaque(target, platform::Rect{0, 0, widget.width, widget.height}, background);
    {
        const OwnedGraphics graphics(platform::createGraphics(target));
        if (!graphics) return false;
        platform::setSmoothingMode(graphics.get(), platform::SmoothingMode::HighQuality);
        layers(graphics.get(), widget);
    } // the graphics context flushes its drawing here, before the hook and the copy
    finish(paintSurface, widget, target);
    return true;
}

void PaintPlainFill(platform::SurfaceHandle paintSurface, Widget& widget, Argb colour) {
    if (!hasBackBuffer(widget)) return;
    fillOpaque(widget.backDC, widget.clientRect, colour);
    if (widget.onOverlay != nullptr) widget.onOverlay(widget.backDC, widget);
    platform::copySurface(paintSurface, 0, 0, widget.width, widget.height, widget.backDC, 0, 0);
}

} // namespace zor
