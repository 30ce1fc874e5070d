// Text of the painters: the widget's font, its layout rectangle, drawing and measuring.
#pragma once

#include "platform/graphics.h"
#include "render/graphics_objects.h"
#include "toolkit/widget.h"

namespace zor {

// The font a widget's text is drawn in: its own face and size when ownFont is set, else the toolkit's
// default, always bold and in points. Null when the face does not exist; text is then not drawn.
// The font belongs to the text-object cache (render/text_objects.h).
platform::FontHandle widgetFont(const Widget& widget);

// The layout rectangle every painter starts from: x = left, y = top, width = right, height = bottom.
platform::RectF layoutRect(const Widget& widget);

// Draws the whole text in the layout rectangle.
void DrawText(platform::GraphicsHandle graphics, const char16_t* text, platform::FontHandle font,
              const platform::RectF& layout, platform::StringFormatHandle format,
              platform::BrushHandle brush);
// Bounding box of the text laid out in the rectangle with no string format; zero when it cannot be measured.
platform::RectF MeasureText(platform::GraphicsHandle graphics, const char16_t* text,
                            platform::FontHandle font, const platform::RectF& layout);

// The widget's caption in one colour and alignment, in the widget's font.
void drawCaption(platform::GraphicsHandle graphics, const Widget& widget, Argb colour,
                 const platform::RectF& layout, platform::StringFormatHandle format);

} // namespace zor
