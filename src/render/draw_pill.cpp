#include "render/draw_pill.h"

#include "render/graphics_objects.h"

namespace zor {

namespace {

float f(std::int32_t value) {
    return static_cast<float>(value);
}

// Two arcs over the top corners closed straight across at the height of their centres, then a
// rectangle over the upper third; where the two overlap the gloss is stronger.
void addGloss(platform::GraphicsHandle graphics, platform::PathHandle path, std::int32_t x, std::int32_t y,
              std::int32_t width, std::int32_t height, std::int32_t diameter, std::int32_t inset,
              std::int32_t right, Argb glossColour) {
    using namespace platform;
    const OwnedBrush brush = makeBrush(glossColour);
    const float d = f(diameter);
    resetPath(path);
    addPathArc(path, f(x + 2), f(y + 2), d, d, 180.0f, 90.0f);
    addPathArc(path, f(right - 2), f(y + 2), d, d, 270.0f, 90.0f);
    closePathFigure(path);
    fillPath(graphics, brush.get(), path);

    resetPath(path);
    const double top = static_cast<double>(y) + 0.7 * static_cast<double>(diameter);
    const double bandWidth = static_cast<double>(width - inset) - 4.0;
    const double bandHeight = static_cast<double>(height - inset) / 3.0;
    addPathRectangle(path, static_cast<float>(x) + 2.0f, static_cast<float>(top),
                     static_cast<float>(bandWidth), static_cast<float>(bandHeight));
    fillPath(graphics, brush.get(), path);
}

} // namespace

void DrawPill(platform::GraphicsHandle graphics, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, std::int32_t diameter, platform::PenHandle pen, std::int32_t inset,
              Argb fillColour, Argb glossColour, bool gloss, bool fill) {
    using namespace platform;
    setPenEndCap(pen, LineCap::Round);

    const std::int32_t right = x + width - inset - diameter;
    const std::int32_t bottom = y + height - inset - diameter;
    const float d = f(diameter);
    const OwnedPath path(createPath());
    addPathArc(path.get(), f(x), f(y), d, d, 180.0f, 90.0f);
    addPathArc(path.get(), f(right), f(y), d, d, 270.0f, 90.0f);
    addPathArc(path.get(), f(right), f(bottom), d, d, 0.0f, 90.0f);
    addPathArc(path.get(), f(x), f(bottom), d, d, 90.0f, 90.0f);
    closePathFigure(path.get());

    if (fill) {
        const OwnedBrush brush = makeBrush(fillColour);
        fillPath(graphics, brush.get(), path.get());
    }
    drawPath(graphics, pen, path.get());
    if (gloss && fill)
        addGloss(graphics, path.get(), x, y, width, height, diameter, inset, right, glossColour);
}

} // namespace zor
