// Painters of the kinds that only show: labels and group boxes.
#pragma once

#include "platform/types.h"
#include "toolkit/widget.h"

namespace zor {

// Text aligned by textAlignH and textAlignV, with an optional border and the text-field look.
void PaintLabel(platform::SurfaceHandle paintSurface, Widget& widget);
// A rounded frame whose top edge runs through the middle of the caption, with a gap behind it.
void PaintGroupBox(platform::SurfaceHandle paintSurface, Widget& widget);

} // namespace zor
