#include "render/label_painter.h"

#include "render/draw_pill.h"
#include "render/paint_frame.h"
#include "render/widget_text.h"

namespace zor {

namespace {

bool disabled(const Widget& w) {
    return w.visualState == Disabled;
}

Argb labelBackground(const Widget& w) {
    if (!w.fieldLook) return w.ctbg;
    return disabled(w) ? w.ctfd : w.ctebg;
}

// 0 near, 1 centre, 2 far; any other value keeps the format's own Near.
void applyAlignment(platform::StringFormatHandle format, std::int32_t horizontal, std::int32_t vertical) {
    using platform::StringAlignment;
    if (horizontal >= 0 && horizontal <= 2)
        platform::setStringAlignment(format, static_cast<StringAlignment>(horizontal));
    if (vertical >= 0 && vertical <= 2)
        platform::setLineAlignment(format, static_cast<StringAlignment>(vertical));
}

void labelLayers(platform::GraphicsHandle graphics, Widget& w) {
    using namespace platform;
    if (w.bordered) {
        const OwnedPen pen = makePen(disabled(w) ? w.ctbd : w.ctbn, 1.0f);
        drawRectangle(graphics, pen.get(),
                      RectF{0.0f, 0.0f, static_cast<float>(w.width - 1), static_cast<float>(w.height - 1)});
    }
    const OwnedStringFormat format(createStringFormat());
    applyAlignment(format.get(), w.textAlignH, w.textAlignV);
    drawCaption(graphics, w, disabled(w) ? w.cttd : w.cttn, layoutRect(w), format.get());
}

void groupBoxLayers(platform::GraphicsHandle graphics, Widget& w) {
    using namespace platform;
    const RectF layout = layoutRect(w);
    const WidgetFont font = makeWidgetFont(w);
    const RectF caption = MeasureText(graphics, w.caption(), font.font.get(), layout);

    const Argb outline = disabled(w) ? w.ctold : w.ctol;
    const Argb text = disabled(w) ? w.cttd : w.cttn;
    const double halfCaption = 0.5 * static_cast<double>(caption.height);
    const auto frameTop = static_cast<std::int32_t>(static_cast<double>(w.clientRect.top) + halfCaption);
    const auto frameHeight =
        static_cast<std::int32_t>(static_cast<double>(w.clientRect.bottom) - halfCaption);
    {
        const OwnedPen pen = makePen(outline, 1.0f);
        DrawPill(graphics, w.clientRect.left, frameTop, w.clientRect.right, frameHeight, 5, pen.get(), 1,
                 w.ctbg, w.ctgc, false, true);
    }
    {
        const OwnedBrush gap = makeBrush(w.ctbg);
        fillRectangle(graphics, gap.get(), RectF{10.0f, 0.0f, caption.width, caption.height});
    }
    if (!font.font) return;
    RectF textLayout = layout;
    textLayout.x += 10.0f;
    const OwnedStringFormat format = makeStringFormat(StringAlignment::Near, StringAlignment::Near);
    const OwnedBrush brush = makeBrush(text);
    DrawText(graphics, w.caption(), font.font.get(), textLayout, format.get(), brush.get());
}

} // namespace

void PaintLabel(platform::SurfaceHandle paintSurface, Widget& widget) {
    PaintFrame(paintSurface, widget, labelBackground(widget), labelLayers);
}

void PaintGroupBox(platform::SurfaceHandle paintSurface, Widget& widget) {
    PaintFrame(paintSurface, widget, widget.ctbg, groupBoxLayers);
}

} // namespace zor
