// Painter of group boxes: a titled rounded frame around other widgets.
#pragma once

#include "platform/types.h"
#include "toolkit/widget.h"

namespace zor {

// A rounded frame whose top edge runs through the middle of the caption, with a gap behind it.
void PaintGroupBox(platform::SurfaceHandle paintSurface, Widget& widget);

} // namespace zor
