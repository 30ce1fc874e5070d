#include "render/paint_frame.h"

#include "platform/gdi.h"
#include "render/graphics_objects.h"
#include "toolkit/colour.h"

#include <utility>

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

// Everything of the widget that the painter's picture depends on.
PaintedLook lookOf(const Widget& w, Argb background, PaintLayers layers) {
    PaintedLook look;
    look.painted = true;
    look.painter = reinterpret_cast<std::uintptr_t>(layers);
    look.background = background;
    look.colours = static_cast<const WidgetColours&>(w);
    look.kind = w.kind;
    look.visualState = w.visualState;
    look.checked = w.checked;
    look.enabled = w.enabled;
    look.hasFocus = w.hasFocus;
    look.bordered = w.bordered;
    look.fieldLook = w.fieldLook;
    look.textAlignH = w.textAlignH;
    look.textAlignV = w.textAlignV;
    look.width = w.width;
    look.height = w.height;
    look.clientRect = w.clientRect;
    look.fontFace = w.ownFont ? w.fontFace : toolkit.defaultFontFace;
    look.fontSize = w.ownFont ? w.fontSize : toolkit.defaultFontSize;
    look.text = w.caption();
    return look;
}

} // namespace

bool hasBackBuffer(const Widget& widget) {
    return widget.backDC != nullptr && widget.backBitmap != nullptr;
}

bool PaintFrame(platform::SurfaceHandle paintSurface, Widget& widget, Argb background, PaintLayers layers) {
    const bool buffered = hasBackBuffer(widget);
    // A buffer can be shown again as it is only when this frame alone drew it: an overlay draws what
    // its owner likes.
    const bool retained = buffered && widget.onOverlay == nullptr;
    PaintedLook look;
    if (retained) {
        look = lookOf(widget, background, layers);
        if (look == widget.painted) {
            finish(paintSurface, widget, widget.backDC);
            return true;
        }
    }
    widget.painted = PaintedLook{};
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
    if (retained) widget.painted = std::move(look);
    return true;
}

void PaintPlainFill(platform::SurfaceHandle paintSurface, Widget& widget, Argb colour) {
    if (!hasBackBuffer(widget)) return;
    fillOpaque(widget.backDC, widget.clientRect, colour);
    if (widget.onOverlay != nullptr) widget.onOverlay(widget.backDC, widget);
    platform::copySurface(paintSurface, 0, 0, widget.width, widget.height, widget.backDC, 0, 0);
}

} // namespace zor
