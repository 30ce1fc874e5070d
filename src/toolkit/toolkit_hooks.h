// The toolkit's calls up, all of them. The painters of render/ implement the three functions below: the
// window procedure hands each paint and erase request to them and the end of the message loop releases
// what they keep, so the toolkit names no painter and render depends on the toolkit only. The slots
// of ToolkitHooks, which ToolkitState holds (widget.h), are filled once at start-up by app/wiring.cpp.
#pragma once

#include "platform/types.h"

namespace zor {

struct Widget;

struct ToolkitHooks {
    // The message loop ends: what the program holds open (the converter's port) is closed.
    void (*exitHook)() = nullptr;
    // Asked before what the user typed into a field is taken (not for a text the program sets); false
    // puts the field's text back as it was.
    bool (*mayTypeIntoField)(Widget& field) = nullptr;
    // After a click, a key or a timer tick from the loop was handled: what shows the state they
    // may have changed (the title's mark of unsent settings).
    void (*afterInput)() = nullptr;
};

// The painter of the widget's kind; text fields and the reserved kinds paint nothing here.
void paintWidget(platform::SurfaceHandle surface, Widget& widget);
// Handles an erase-background request: 1 when the widget has a back buffer (its painter covers every
// pixel), otherwise fills the window with the widget's background colour and returns 0.
platform::LResult eraseWidgetBackground(platform::SurfaceHandle surface, Widget& widget);
// Releases the fonts, families and string formats the painters keep; called before the drawing
// library shuts down.
void ReleaseTextObjects();

} // namespace zor
