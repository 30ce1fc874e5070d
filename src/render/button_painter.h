// Painters of the clickable kinds that show their state: buttons, check boxes and radio buttons.
#pragma once

#include "platform/types.h"
#include "toolkit/widget.h"

namespace zor {

// A filled rounded face with a gloss band, centred text, and a dashed focus rectangle.
void PaintButton(platform::SurfaceHandle paintSurface, Widget& widget);
// A square (check box) or circle (radio button) with its mark, and the text to its right. Without a
// graphics context it says so in a message box and draws nothing.
void PaintCheckOrRadio(platform::SurfaceHandle paintSurface, Widget& widget);

} // namespace zor
