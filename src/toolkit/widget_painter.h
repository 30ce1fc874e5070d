// What the toolkit asks of the painters: the window procedure hands each paint and erase request
// here, and the end of the message loop releases what the painters keep. The render layer implements
// these (render/painters.cpp, render/text_objects.cpp); the toolkit names no painter, so the
// dependency points from render down to the toolkit only.
#pragma once

#include "platform/types.h"
#include "toolkit/widget.h"

namespace zor {

// The painter of the widget's kind; text fields and the reserved kinds paint nothing here.
void paintWidget(platform::SurfaceHandle surface, Widget& widget);
// Handles an erase-background request: 1 when the widget has a back buffer (its painter covers every
// pixel), otherwise fills the window with the widget's background colour and returns 0.
platform::LResult eraseWidgetBackground(platform::SurfaceHandle surface, Widget& widget);
// Releases the fonts, families and string formats the painters keep; called before the drawing
// library shuts down.
void ReleaseTextObjects();

} // namespace zor
