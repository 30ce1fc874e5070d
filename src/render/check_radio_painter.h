// Painter of check boxes and radio buttons: one painter, squares for the one and circles for the other.
#pragma once

#include "platform/types.h"
#include "toolkit/widget.h"

namespace zor {

// The box with its mark, and the text to its right. Without a graphics context it says so in a
// message box and draws nothing.
void PaintCheckOrRadio(platform::SurfaceHandle paintSurface, Widget& widget);

} // namespace zor
