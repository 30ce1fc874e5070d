#include "render/button_painter.h"

#include "render/draw_pill.h"
#include "render/paint_frame.h"
#include "render/text_objects.h"
#include "render/widget_text.h"

namespace zor {

namespace {

struct ButtonColours {
    Argb border;
    float borderWidth;
    Argb face;
    Argb text;
};

ButtonColours buttonColours(const Widget& w) {
    switch (w.visualState) {
    case MouseOver:
        return {w.ctbmo, 2.0f, w.ctfmo, w.cttmo};
    case MouseDown:
        return {w.ctbmd, 1.0f, w.ctfmd, w.cttmd};
    case Disabled:
        return {w.ctbd, 1.0f, w.ctfd, w.cttd};
    default:
        return {w.ctbn, 1.0f, w.ctfn, w.cttn};
    }
}

void buttonLayers(platform::GraphicsHandle graphics, Widget& w) {
    using namespace platform;
    const ButtonColours colours = buttonColours(w);
    {
        const OwnedPen border = makePen(colours.border, colours.borderWidth);
        DrawPill(graphics, w.clientRect.left, w.clientRect.top, w.clientRect.right, w.clientRect.bottom, 5,
                 border.get(), 1, colours.face, w.ctgc, true, true);
    }
    drawCaption(graphics, w, colours.text, layoutRect(w),
                CachedStringFormat(StringAlignment::Center, StringAlignment::Center));

    if (w.hasFocus && w.enabled) {
        const OwnedPen dashed = makePen(w.ctbn, 1.0f, DashStyle::Dash);
        drawRectangle(graphics, dashed.get(),
                      RectF{5.0f, 5.0f, static_cast<float>(w.width - 10), static_cast<float>(w.height - 10)});
    }
}

} // namespace

void PaintButton(platform::SurfaceHandle paintSurface, Widget& widget) {
    PaintFrame(paintSurface, widget, widget.ctbg, buttonLayers);
}

} // namespace zor
