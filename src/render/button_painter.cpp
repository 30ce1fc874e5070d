#include "render/button_painter.h"

#include "platform/dialogs.h"
#include "render/draw_pill.h"
#include "render/paint_frame.h"
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
    const OwnedStringFormat centred = makeStringFormat(StringAlignment::Center, StringAlignment::Center);
    drawCaption(graphics, w, colours.text, layoutRect(w), centred.get());

    if (w.hasFocus && w.enabled) {
        const OwnedPen dashed = makePen(w.ctbn, 1.0f, DashStyle::Dash);
        drawRectangle(graphics, dashed.get(),
                      RectF{5.0f, 5.0f, static_cast<float>(w.width - 10), static_cast<float>(w.height - 10)});
    }
}

struct MarkColours {
    Argb text;
    Argb outline;
    float outlineWidth;
    Argb boxFill;
    Argb mark;
};

MarkColours markColours(const Widget& w) {
    switch (w.visualState) {
    case MouseOver:
        return {w.cttn, w.ctbn, 2.0f, w.ctfmo, w.checked ? w.ctsn : w.ctfn};
    case MouseDown:
        return {w.cttn, w.ctbn, 1.0f, w.ctfmd, w.ctsmd};
    case Disabled:
        return {w.cttd, w.ctbd, 1.0f, w.ctbg, w.checked ? w.ctsd : w.ctbg};
    default:
        return {w.cttn, w.ctbn, 1.0f, w.ctfn, w.checked ? w.ctsn : w.ctfn};
    }
}

void checkOrRadioLayers(platform::GraphicsHandle graphics, Widget& w) {
    using namespace platform;
    const bool round = w.kind == WidgetKind::RadioButton;
    const auto fill = round ? fillEllipse : fillRectangle;
    const auto outline = round ? drawEllipse : drawRectangle;
    const MarkColours colours = markColours(w);

    const std::int32_t mid = w.height / 2;
    const RectF box{7.0f, static_cast<float>(mid - 7), 15.0f, 15.0f};
    const RectF mark{11.0f, static_cast<float>(mid - 3), 7.0f, 7.0f};
    {
        const OwnedBrush boxBrush = makeBrush(colours.boxFill);
        fill(graphics, boxBrush.get(), box);
        const OwnedBrush markBrush = makeBrush(colours.mark);
        fill(graphics, markBrush.get(), mark);
        const OwnedPen pen = makePen(colours.outline, colours.outlineWidth);
        outline(graphics, pen.get(), box);
    }
    RectF layout = layoutRect(w);
    layout.x += 27.0f;
    const OwnedStringFormat format = makeStringFormat(StringAlignment::Near, StringAlignment::Center);
    drawCaption(graphics, w, colours.text, layout, format.get());
}

} // namespace

void PaintButton(platform::SurfaceHandle paintSurface, Widget& widget) {
    PaintFrame(paintSurface, widget, widget.ctbg, buttonLayers);
}

void PaintCheckOrRadio(platform::SurfaceHandle paintSurface, Widget& widget) {
    if (!PaintFrame(paintSurface, widget, widget.ctbg, checkOrRadioLayers))
        platform::messageBox(nullptr, u"Graphics object failed", u"debug", platform::box::Ok);
}

} // namespace zor
