// The rounded outline of buttons and group boxes, with its optional fill and gloss.
#pragma once

#include "platform/graphics.h"
#include "toolkit/widget_colours.h"

#include <cstdint>

namespace zor {

// Four arcs of the given diameter joined into one closed figure, inset from the right and bottom
// edges. Filled when fill is set; outlined with the pen always (its end cap becomes Round). With
// gloss and fill both set, a translucent band over the upper part is added in the gloss colour.
void DrawPill(platform::GraphicsHandle graphics, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, std::int32_t diameter, platform::PenHandle pen, std::int32_t inset,
              Argb fillColour, Argb glossColour, bool gloss, bool fill);

} // namespace zor
