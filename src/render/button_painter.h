// Painter of push buttons.
#pragma once

#include "platform/types.h"
#include "toolkit/widget.h"

namespace zor {

// A filled rounded face with a gloss band, centred text, and a dashed focus rectangle.
void PaintButton(platform::SurfaceHandle paintSurface, Widget& widget);

} // namespace zor
