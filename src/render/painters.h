// Painting a widget by its kind into its back buffer, and erasing a widget without one.
#pragma once

#include "platform/types.h"
#include "toolkit/widget.h"

namespace zor {

// The painter of the widget's kind; text fields and the reserved kinds paint nothing here.
void paintWidget(platform::SurfaceHandle surface, Widget& widget);
// Handles an erase-background request: 1 when the widget has a back buffer (its painter covers every
// pixel), otherwise fills the window with the widget's background colour and returns 0.
platform::LResult eraseWidgetBackground(platform::SurfaceHandle surface, Widget& widget);

} // namespace zor
