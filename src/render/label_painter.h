// Painter of labels: read-only text, optionally bordered or looking like a text field.
#pragma once

#include "platform/types.h"
#include "toolkit/widget.h"

namespace zor {

// Text aligned by textAlignH and textAlignV, with an optional border and the text-field look.
void PaintLabel(platform::SurfaceHandle paintSurface, Widget& widget);

} // namespace zor
