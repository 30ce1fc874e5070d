// The skeleton of every painter: background into the back buffer, anti-aliased layers, the owner's
// overlay hook, one copy to the window. And the plain fill of the window kinds.
#pragma once

#include "platform/graphics.h"
#include "toolkit/widget.h"

namespace zor {

// The painter's own layers, drawn on a graphics context with high-quality smoothing.
using PaintLayers = void (*)(platform::GraphicsHandle graphics, Widget& widget);

// A widget has a back buffer when both its memory DC and the bitmap in it exist.
bool hasBackBuffer(const Widget& widget);

// One paint of one widget on the paint DC. When the back buffer already shows the widget as it is now
// (PaintedLook, toolkit/widget.h), it is only copied to the window. Without a back buffer the layers go
// straight onto the window and the background is not filled. False when no graphics context could be made:
// then nothing is drawn.
bool PaintFrame(platform::SurfaceHandle paintSurface, Widget& widget, Argb background, PaintLayers layers);

// The window kinds: the client rectangle of the back buffer in one colour, copied to the window.
// Nothing is painted without a back buffer.
void PaintPlainFill(platform::SurfaceHandle paintSurface, Widget& widget, Argb colour);

} // namespace zor
