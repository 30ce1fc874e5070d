// Device contexts, back buffers, brushes and fonts: the GDI part of the seam.
// Colours given here are platform colour values (0x00BBGGRR), converted from ARGB by the caller.
#pragma once

#include "platform/types.h"

#include <cstdint>

namespace zor::platform {

using ColourRef = std::uint32_t;

struct PaintSession {
    SurfaceHandle surface = nullptr;
    Rect area; // the part to be painted
    bool erase = false;
};

SurfaceHandle windowSurface(WindowHandle window); // GetDC
void releaseWindowSurface(WindowHandle window, SurfaceHandle surface);
PaintSession beginPaint(WindowHandle window);
void endPaint(WindowHandle window, const PaintSession& session);

SurfaceHandle createCompatibleSurface(SurfaceHandle surface); // null on failure
GdiObject createCompatibleBitmap(SurfaceHandle surface, std::int32_t width,
                                 std::int32_t height);           // null on failure
GdiObject selectObject(SurfaceHandle surface, GdiObject object); // returns the object it replaced
bool deleteObject(GdiObject object);
bool deleteSurface(SurfaceHandle surface);

GdiObject createSolidBrush(ColourRef colour);

struct FontRequest {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t weight = 400;
    const char16_t* face = nullptr;
};
// A font with no escapement, orientation, italic, underline or strike-out; default character set,
// outline precision, default clipping, proof quality, variable pitch.
GdiObject createFont(const FontRequest& request);

void fillRect(SurfaceHandle surface, const Rect& rect, GdiObject brush);
void setTextColour(SurfaceHandle surface, ColourRef colour);
void setBackgroundColour(SurfaceHandle surface, ColourRef colour);
bool copySurface(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height, SurfaceHandle source, std::int32_t sourceX,
                 std::int32_t sourceY); // BitBlt, SRCCOPY

} // namespace zor::platform
