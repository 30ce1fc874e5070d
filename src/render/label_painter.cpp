#include "render/label_painter.h"

#include "render/paint_frame.h"
#include "render/text_objects.h"
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
platform::StringAlignment alignment(std::int32_t value) {
    return value >= 0 && value <= 2 ? static_cast<platform::StringAlignment>(value)
                                    : platform::StringAlignment::Near;
}

void labelLayers(platform::GraphicsHandle graphics, Widget& w) {
    using namespace platform;
    if (w.bordered) {
        const OwnedPen pen = makePen(disabled(w) ? w.ctbd : w.ctbn, 1.0f);
        drawRectangle(graphics, pen.get(),
                      RectF{0.0f, 0.0f, static_cast<float>(w.width - 1), static_cast<float>(w.height - 1)});
    }
    drawCaption(graphics, w, disabled(w) ? w.cttd : w.cttn, layoutRect(w),
                CachedStringFormat(alignment(w.textAlignH), alignment(w.textAlignV)));
}

} // namespace

void PaintLabel(platform::SurfaceHandle paintSurface, Widget& widget) {
    PaintFrame(paintSurface, widget, labelBackground(widget), labelLayers);
}

} // namespace zor
