#include "render/group_box_painter.h"

#include "render/draw_pill.h"
#include "render/paint_frame.h"
#include "render/text_objects.h"
#include "render/widget_text.h"

namespace zor {

namespace {

bool disabled(const Widget& w) {
    return w.visualState == Disabled;
}

void groupBoxLayers(platform::GraphicsHandle graphics, Widget& w) {
    using namespace platform;
    const RectF layout = layoutRect(w);
    const FontHandle font = widgetFont(w);
    const RectF caption = MeasureText(graphics, w.caption(), font, layout);

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
    if (font == nullptr) return;
    RectF textLayout = layout;
    textLayout.x += 10.0f;
    const OwnedBrush brush = makeBrush(text);
    DrawText(graphics, w.caption(), font, textLayout,
             CachedStringFormat(StringAlignment::Near, StringAlignment::Near), brush.get());
}

} // namespace

void PaintGroupBox(platform::SurfaceHandle paintSurface, Widget& widget) {
    PaintFrame(paintSurface, widget, widget.ctbg, groupBoxLayers);
}

} // namespace zor
