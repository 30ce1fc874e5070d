// The win32 backend of the graphics seam: the GDI+ flat interface. Each seam handle is the GDI+
// object itself; the status of every call is handed back as success or failure.
#include "platform/graphics.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_handles.h"

// GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>

#include <gdiplus.h>

namespace zor::platform {

using namespace win32;
namespace gp = Gdiplus;
namespace flat = Gdiplus::DllExports;

namespace {

gp::GpGraphics* gpGraphics(GraphicsHandle g) {
    return reinterpret_cast<gp::GpGraphics*>(g);
}
gp::GpPen* gpPen(PenHandle p) {
    return reinterpret_cast<gp::GpPen*>(p);
}
gp::GpBrush* gpBrush(BrushHandle b) {
    return reinterpret_cast<gp::GpBrush*>(b);
}
gp::GpPath* gpPath(PathHandle p) {
    return reinterpret_cast<gp::GpPath*>(p);
}
gp::GpStringFormat* gpFormat(StringFormatHandle f) {
    return reinterpret_cast<gp::GpStringFormat*>(f);
}
gp::GpFontFamily* gpFamily(FontFamilyHandle f) {
    return reinterpret_cast<gp::GpFontFamily*>(f);
}
gp::GpFont* gpFont(FontHandle f) {
    return reinterpret_cast<gp::GpFont*>(f);
}
gp::RectF gpRect(const RectF& r) {
    return gp::RectF(r.x, r.y, r.width, r.height);
}
bool ok(gp::GpStatus status) {
    return status == gp::Ok;
}

} // namespace

GraphicsHandle createGraphics(SurfaceHandle s) {
    if (s == nullptr) return nullptr;
    gp::GpGraphics* graphics = nullptr;
    if (!ok(flat::GdipCreateFromHDC(hdc(s), &graphics))) return nullptr;
    // The painters draw in layout units; the surface holds the monitor's pixels.
    if (currentDpi() != layoutDpi) {
        const float scale = static_cast<float>(currentDpi()) / static_cast<float>(layoutDpi);
        flat::GdipScaleWorldTransform(graphics, scale, scale, gp::MatrixOrderPrepend);
    }
    return reinterpret_cast<GraphicsHandle>(graphics);
}
void deleteGraphics(GraphicsHandle g) {
    if (g != nullptr) flat::GdipDeleteGraphics(gpGraphics(g));
}
bool setSmoothingMode(GraphicsHandle g, SmoothingMode mode) {
    return g != nullptr &&
           ok(flat::GdipSetSmoothingMode(gpGraphics(g), static_cast<gp::SmoothingMode>(mode)));
}

BrushHandle createSolidFill(std::uint32_t argb) {
    gp::GpSolidFill* brush = nullptr;
    if (!ok(flat::GdipCreateSolidFill(argb, &brush))) return nullptr;
    return reinterpret_cast<BrushHandle>(brush);
}
void deleteBrush(BrushHandle b) {
    if (b != nullptr) flat::GdipDeleteBrush(gpBrush(b));
}

PenHandle createPen(std::uint32_t argb, float width) {
    gp::GpPen* pen = nullptr;
    if (!ok(flat::GdipCreatePen1(argb, width, gp::UnitWorld, &pen))) return nullptr;
    return reinterpret_cast<PenHandle>(pen);
}
bool setPenDashStyle(PenHandle p, DashStyle style) {
    return p != nullptr && ok(flat::GdipSetPenDashStyle(gpPen(p), static_cast<gp::DashStyle>(style)));
}
bool setPenEndCap(PenHandle p, LineCap cap) {
    return p != nullptr && ok(flat::GdipSetPenEndCap(gpPen(p), static_cast<gp::LineCap>(cap)));
}
void deletePen(PenHandle p) {
    if (p != nullptr) flat::GdipDeletePen(gpPen(p));
}

PathHandle createPath() {
    gp::GpPath* path = nullptr;
    if (!ok(flat::GdipCreatePath(gp::FillModeAlternate, &path))) return nullptr;
    return reinterpret_cast<PathHandle>(path);
}
bool addPathArc(PathHandle p, float x, float y, float width, float height, float startAngle,
                float sweepAngle) {
    return p != nullptr && ok(flat::GdipAddPathArc(gpPath(p), x, y, width, height, startAngle, sweepAngle));
}
bool addPathRectangle(PathHandle p, float x, float y, float width, float height) {
    return p != nullptr && ok(flat::GdipAddPathRectangle(gpPath(p), x, y, width, height));
}
bool closePathFigure(PathHandle p) {
    return p != nullptr && ok(flat::GdipClosePathFigure(gpPath(p)));
}
bool resetPath(PathHandle p) {
    return p != nullptr && ok(flat::GdipResetPath(gpPath(p)));
}
void deletePath(PathHandle p) {
    if (p != nullptr) flat::GdipDeletePath(gpPath(p));
}

bool fillPath(GraphicsHandle g, BrushHandle b, PathHandle p) {
    return g != nullptr && b != nullptr && p != nullptr &&
           ok(flat::GdipFillPath(gpGraphics(g), gpBrush(b), gpPath(p)));
}
bool drawPath(GraphicsHandle g, PenHandle pen, PathHandle p) {
    return g != nullptr && pen != nullptr && p != nullptr &&
           ok(flat::GdipDrawPath(gpGraphics(g), gpPen(pen), gpPath(p)));
}
bool fillRectangle(GraphicsHandle g, BrushHandle b, const RectF& r) {
    return g != nullptr && b != nullptr &&
           ok(flat::GdipFillRectangle(gpGraphics(g), gpBrush(b), r.x, r.y, r.width, r.height));
}
bool drawRectangle(GraphicsHandle g, PenHandle pen, const RectF& r) {
    return g != nullptr && pen != nullptr &&
           ok(flat::GdipDrawRectangle(gpGraphics(g), gpPen(pen), r.x, r.y, r.width, r.height));
}
bool fillEllipse(GraphicsHandle g, BrushHandle b, const RectF& r) {
    return g != nullptr && b != nullptr &&
           ok(flat::GdipFillEllipse(gpGraphics(g), gpBrush(b), r.x, r.y, r.width, r.height));
}
bool drawEllipse(GraphicsHandle g, PenHandle pen, const RectF& r) {
    return g != nullptr && pen != nullptr &&
           ok(flat::GdipDrawEllipse(gpGraphics(g), gpPen(pen), r.x, r.y, r.width, r.height));
}

StringFormatHandle createStringFormat() {
    gp::GpStringFormat* format = nullptr;
    if (!ok(flat::GdipCreateStringFormat(0, LANG_NEUTRAL, &format))) return nullptr;
    return reinterpret_cast<StringFormatHandle>(format);
}
bool setStringAlignment(StringFormatHandle f, StringAlignment alignment) {
    return f != nullptr &&
           ok(flat::GdipSetStringFormatAlign(gpFormat(f), static_cast<gp::StringAlignment>(alignment)));
}
bool setLineAlignment(StringFormatHandle f, StringAlignment alignment) {
    return f != nullptr &&
           ok(flat::GdipSetStringFormatLineAlign(gpFormat(f), static_cast<gp::StringAlignment>(alignment)));
}
void deleteStringFormat(StringFormatHandle f) {
    if (f != nullptr) flat::GdipDeleteStringFormat(gpFormat(f));
}

FontFamilyHandle createFontFamily(const char16_t* face) {
    if (face == nullptr) return nullptr;
    gp::GpFontFamily* family = nullptr;
    if (!ok(flat::GdipCreateFontFamilyFromName(wide(face), nullptr, &family))) return nullptr;
    return reinterpret_cast<FontFamilyHandle>(family);
}
void deleteFontFamily(FontFamilyHandle f) {
    if (f != nullptr) flat::GdipDeleteFontFamily(gpFamily(f));
}
FontHandle createGraphicsFont(FontFamilyHandle family, float sizePoints, FontStyle style) {
    if (family == nullptr) return nullptr;
    gp::GpFont* font = nullptr;
    // GDI+ turns points into pixels with the system's DPI, and the surface's scale enlarges them once
    // more: the size is given as at 96 DPI so that text grows with the scale once, like everything else.
    if (systemDpi() != layoutDpi)
        sizePoints = sizePoints * static_cast<float>(layoutDpi) / static_cast<float>(systemDpi());
    if (!ok(flat::GdipCreateFont(gpFamily(family), sizePoints, static_cast<INT>(style), gp::UnitPoint,
                                 &font)))
        return nullptr;
    return reinterpret_cast<FontHandle>(font);
}
void deleteFont(FontHandle f) {
    if (f != nullptr) flat::GdipDeleteFont(gpFont(f));
}

bool drawString(GraphicsHandle g, const char16_t* text, FontHandle font, const RectF& layout,
                StringFormatHandle format, BrushHandle brush) {
    if (g == nullptr || text == nullptr || font == nullptr || brush == nullptr) return false;
    const gp::RectF rect = gpRect(layout);
    return ok(flat::GdipDrawString(gpGraphics(g), wide(text), -1, gpFont(font), &rect, gpFormat(format),
                                   gpBrush(brush)));
}

bool measureString(GraphicsHandle g, const char16_t* text, FontHandle font, const RectF& layout,
                   RectF& bounds) {
    bounds = RectF{};
    if (g == nullptr || text == nullptr || font == nullptr) return false;
    const gp::RectF rect = gpRect(layout);
    gp::RectF box;
    INT codepoints = 0;
    INT lines = 0;
    if (!ok(flat::GdipMeasureString(gpGraphics(g), wide(text), -1, gpFont(font), &rect, nullptr, &box,
                                    &codepoints, &lines)))
        return false;
    bounds = RectF{box.X, box.Y, box.Width, box.Height};
    return true;
}

} // namespace zor::platform
