#include "render/label_painter.h"

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

} // namespace

void PaintLabel(platform::SurfaceHandle paintSurface, Widget& widget) {
    PaintFrame(paintSurface, widget, labelBackground(widget), labelLayers);
}

} // namespace zor
