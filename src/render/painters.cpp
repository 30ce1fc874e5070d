#include "render/painters.h"

#include "platform/gdi.h"
#include "platform/window.h"
#include "render/colour.h"

namespace zor {

namespace {

// Background of a kind where nothing else is drawn yet.
Argb backgroundOf(const Widget& widget) {
    return widget.kind == WidgetKind::MainWindow ? widget.ctawa : widget.ctbg;
}

void fillBackBuffer(platform::SurfaceHandle surface, Widget& widget, Argb colour) {
    using namespace platform;
    if (widget.backDC == nullptr) return;
    GdiObject brush = createSolidBrush(ToColorRef(colour));
    fillRect(widget.backDC, Rect{0, 0, widget.width, widget.height}, brush);
    deleteObject(brush);
    if (widget.onOverlay != nullptr) widget.onOverlay(widget.backDC, widget);
    copySurface(surface, 0, 0, widget.width, widget.height, widget.backDC, 0, 0);
}

} // namespace

void paintWidget(platform::SurfaceHandle surface, Widget& widget) {
    switch (widget.kind) {
    case WidgetKind::TextField:
    case WidgetKind::None:
        return;
    default:
        fillBackBuffer(surface, widget, backgroundOf(widget));
    }
}

platform::LResult eraseWidgetBackground(platform::SurfaceHandle surface, Widget& widget) {
    using namespace platform;
    if (widget.backDC != nullptr) return 1;
    GdiObject brush = createSolidBrush(ToColorRef(backgroundOf(widget)));
    fillRect(surface, clientRect(widget.window), brush);
    deleteObject(brush);
    return 0;
}

} // namespace zor
