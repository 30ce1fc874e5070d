// Anti-aliased drawing and text on a device context: the GDI+ part of the seam.
// Colours here are 0xAARRGGBB, alpha included. Painters make and release their pens, brushes, paths and
// graphics contexts within one paint; fonts, their families and string formats are kept by
// render/text_objects until GDI+ is shut down.
// Calls on a null object do nothing and report failure, so a paint goes on after a failed step.
#pragma once

#include "platform/types.h"

#include <cstdint>

namespace zor::platform {

struct GraphicsObject;
struct PenObject;
struct BrushObject;
struct PathObject;
struct StringFormatObject;
struct FontFamilyObject;
struct FontObject;
using GraphicsHandle = GraphicsObject*;
using PenHandle = PenObject*;
using BrushHandle = BrushObject*;
using PathHandle = PathObject*;
using StringFormatHandle = StringFormatObject*;
using FontFamilyHandle = FontFamilyObject*;
using FontHandle = FontObject*;

struct RectF {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// The values are GDI+'s.
enum class SmoothingMode : std::int32_t { Default = 0, HighQuality = 2 };
enum class DashStyle : std::int32_t { Solid = 0, Dash = 1 };
enum class LineCap : std::int32_t { Flat = 0, Round = 2 };
enum class StringAlignment : std::int32_t { Near = 0, Center = 1, Far = 2 };
enum class FontStyle : std::int32_t { Regular = 0, Bold = 1 };

// Graphics context on a DC; null when it cannot be made.
GraphicsHandle createGraphics(SurfaceHandle surface);
void deleteGraphics(GraphicsHandle graphics);
bool setSmoothingMode(GraphicsHandle graphics, SmoothingMode mode);

BrushHandle createSolidFill(std::uint32_t argb);
void deleteBrush(BrushHandle brush);

// Pen of a width in world units.
PenHandle createPen(std::uint32_t argb, float width);
bool setPenDashStyle(PenHandle pen, DashStyle style);
bool setPenEndCap(PenHandle pen, LineCap cap);
void deletePen(PenHandle pen);

// Path with the alternate fill mode.
PathHandle createPath();
bool addPathArc(PathHandle path, float x, float y, float width, float height, float startAngle,
                float sweepAngle);
bool addPathRectangle(PathHandle path, float x, float y, float width, float height);
bool closePathFigure(PathHandle path);
bool resetPath(PathHandle path);
void deletePath(PathHandle path);

bool fillPath(GraphicsHandle graphics, BrushHandle brush, PathHandle path);
bool drawPath(GraphicsHandle graphics, PenHandle pen, PathHandle path);
bool fillRectangle(GraphicsHandle graphics, BrushHandle brush, const RectF& rect);
bool drawRectangle(GraphicsHandle graphics, PenHandle pen, const RectF& rect);
bool fillEllipse(GraphicsHandle graphics, BrushHandle brush, const RectF& rect);
bool drawEllipse(GraphicsHandle graphics, PenHandle pen, const RectF& rect);

// String format with no flags, neutral language; both alignments start at Near.
StringFormatHandle createStringFormat();
bool setStringAlignment(StringFormatHandle format, StringAlignment alignment);
bool setLineAlignment(StringFormatHandle format, StringAlignment alignment);
void deleteStringFormat(StringFormatHandle format);

// Null when the face does not exist on the system.
FontFamilyHandle createFontFamily(const char16_t* face);
void deleteFontFamily(FontFamilyHandle family);
// Font of a size in points.
FontHandle createGraphicsFont(FontFamilyHandle family, float sizePoints, FontStyle style);
void deleteFont(FontHandle font);

// Draws the zero-terminated text laid out in the rectangle; the format may be null.
bool drawString(GraphicsHandle graphics, const char16_t* text, FontHandle font, const RectF& layout,
                StringFormatHandle format, BrushHandle brush);
// Bounding box of the text laid out in the rectangle with no format; false (and a zero box) on failure.
bool measureString(GraphicsHandle graphics, const char16_t* text, FontHandle font, const RectF& layout,
                   RectF& bounds);

} // namespace zor::platform
