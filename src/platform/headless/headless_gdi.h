// What tests can read of the headless backend's GDI objects.
#pragma once

#include "platform/gdi.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace zor::platform::headless {

enum class GdiKind { Bitmap, Brush, Font };

void makeNextSurfaceFail(); // the next createCompatibleSurface returns null
bool failNextSurface();
std::size_t liveGdiObjects(); // bitmaps, brushes and fonts not yet deleted
std::size_t liveSurfaces();
GdiKind objectKind(GdiObject object);
ColourRef objectColour(GdiObject object);
std::int32_t bitmapWidth(GdiObject object);
std::int32_t bitmapHeight(GdiObject object);
GdiObject selectedObject(SurfaceHandle surface);
std::u16string fontFace(GdiObject object);
std::int32_t fontHeight(GdiObject object);
std::int32_t fontWeight(GdiObject object);

} // namespace zor::platform::headless
