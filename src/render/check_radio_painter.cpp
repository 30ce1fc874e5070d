#include "render/check_radio_painter.h"

#include "platform/dialogs.h"
#include "render/paint_frame.h"
#include "render/text_objects.h"
#include "render/widget_text.h"

namespace zor {

namespace {

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
    drawCaption(graphics, w, colours.text, layout,
                CachedStringFormat(StringAlignment::Near, StringAlignment::Center));
}

} // namespace

void PaintCheckOrRadio(platform::SurfaceHandle paintSurface, Widget& widget) {
    if (!PaintFrame(paintSurface, widget, widget.ctbg, checkOrRadioLayers))
        platform::messageBox(nullptr, u"Graphics object failed", u"debug", platform::box::Ok);
}

} // namespace zor
