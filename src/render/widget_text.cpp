#include "render/widget_text.h"

#include "render/text_objects.h"

namespace zor {

platform::FontHandle widgetFont(const Widget& widget) {
    const char16_t* face = widget.ownFont ? widget.fontFace : toolkit.defaultFontFace;
    const std::int32_t size = widget.ownFont ? widget.fontSize : toolkit.defaultFontSize;
    return CachedFont(face, size, platform::FontStyle::Bold);
}

platform::RectF layoutRect(const Widget& widget) {
    const platform::Rect& r = widget.clientRect;
    return platform::RectF{static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right),
                           static_cast<float>(r.bottom)};
}

void DrawText(platform::GraphicsHandle graphics, const char16_t* text, platform::FontHandle font,
              const platform::RectF& layout, platform::StringFormatHandle format,
              platform::BrushHandle brush) {
    if (text == nullptr || font == nullptr) return;
    platform::drawString(graphics, text, font, layout, format, brush);
}

platform::RectF MeasureText(platform::GraphicsHandle graphics, const char16_t* text,
                            platform::FontHandle font, const platform::RectF& layout) {
    platform::RectF bounds;
    if (text == nullptr || font == nullptr) return bounds;
    platform::measureString(graphics, text, font, layout, bounds);
    return bounds;
}

void drawCaption(platform::GraphicsHandle graphics, const Widget& widget, Argb colour,
                 const platform::RectF& layout, platform::StringFormatHandle format) {
    const platform::FontHandle font = widgetFont(widget);
    if (font == nullptr) return;
    const OwnedBrush brush = makeBrush(colour);
    DrawText(graphics, widget.caption(), font, layout, format, brush.get());
}

} // namespace zor
