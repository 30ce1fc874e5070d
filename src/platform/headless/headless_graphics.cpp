// The recording graphics of the headless backend: objects are plain records, and every drawing call
// is kept with what it drew so that tests can check geometry and colours.
#include "platform/headless/headless_graphics.h"

#include <array>
#include <string_view>

namespace zor::platform {

struct GraphicsObject {
    SurfaceHandle surface = nullptr;
    SmoothingMode smoothing = SmoothingMode::Default;
};
struct PenObject {
    std::uint32_t colour = 0;
    float width = 0.0f;
    DashStyle dash = DashStyle::Solid;
    LineCap endCap = LineCap::Flat;
};
struct BrushObject {
    std::uint32_t colour = 0;
};
struct PathObject {
    std::vector<headless::PathSegment> segments;
};
struct StringFormatObject {
    StringAlignment alignment = StringAlignment::Near;
    StringAlignment lineAlignment = StringAlignment::Near;
};
struct FontFamilyObject {
    std::u16string face;
};
struct FontObject {
    std::u16string face;
    float size = 0.0f;
    FontStyle style = FontStyle::Regular;
};

namespace {

struct Recorder {
    std::vector<headless::DrawCall> calls;
    std::size_t live = 0;
    bool failNext = false;
    float charWidth = 8.0f;
    float lineHeight = 16.0f;
};

Recorder& recorder() {
    static Recorder r;
    return r;
}

// Faces the headless system has installed.
constexpr std::array<const char16_t*, 2> installedFaces{u"Arial", u"Courier New"};

template <typename T>
T* made(T* object) {
    ++recorder().live;
    return object;
}

template <typename T>
void release(T* object) {
    if (object == nullptr) return;
    --recorder().live;
    delete object;
}

headless::DrawCall& record(GraphicsHandle g, headless::DrawOp op) {
    headless::DrawCall call;
    call.op = op;
    call.surface = g->surface;
    call.smoothing = g->smoothing;
    recorder().calls.push_back(call);
    return recorder().calls.back();
}

void withPen(headless::DrawCall& call, const PenObject& pen) {
    call.colour = pen.colour;
    call.penWidth = pen.width;
    call.dash = pen.dash;
    call.endCap = pen.endCap;
}

bool shape(GraphicsHandle g, headless::DrawOp op, BrushHandle brush, const RectF& r) {
    if (g == nullptr || brush == nullptr) return false;
    record(g, op).colour = brush->colour;
    recorder().calls.back().rect = r;
    return true;
}

bool outline(GraphicsHandle g, headless::DrawOp op, PenHandle pen, const RectF& r) {
    if (g == nullptr || pen == nullptr) return false;
    headless::DrawCall& call = record(g, op);
    withPen(call, *pen);
    call.rect = r;
    return true;
}

void withFont(headless::DrawCall& call, const FontObject& font) {
    call.fontFace = font.face;
    call.fontSize = font.size;
    call.fontStyle = font.style;
}

} // namespace

GraphicsHandle createGraphics(SurfaceHandle surface) {
    if (surface == nullptr) return nullptr;
    if (recorder().failNext) {
        recorder().failNext = false;
        return nullptr;
    }
    return made(new GraphicsObject{surface, SmoothingMode::Default});
}
void deleteGraphics(GraphicsHandle g) {
    release(g);
}
bool setSmoothingMode(GraphicsHandle g, SmoothingMode mode) {
    if (g == nullptr) return false;
    g->smoothing = mode;
    return true;
}

BrushHandle createSolidFill(std::uint32_t argb) {
    return made(new BrushObject{argb});
}
void deleteBrush(BrushHandle b) {
    release(b);
}

PenHandle createPen(std::uint32_t argb, float width) {
    return made(new PenObject{argb, width, DashStyle::Solid, LineCap::Flat});
}
bool setPenDashStyle(PenHandle p, DashStyle style) {
    if (p == nullptr) return false;
    p->dash = style;
    return true;
}
bool setPenEndCap(PenHandle p, LineCap cap) {
    if (p == nullptr) return false;
    p->endCap = cap;
    return true;
}
void deletePen(PenHandle p) {
    release(p);
}

PathHandle createPath() {
    return made(new PathObject);
}
bool addPathArc(PathHandle p, float x, float y, float width, float height, float startAngle,
                float sweepAngle) {
    if (p == nullptr) return false;
    p->segments.push_back(
        {headless::PathSegment::Kind::Arc, RectF{x, y, width, height}, startAngle, sweepAngle});
    return true;
}
bool addPathRectangle(PathHandle p, float x, float y, float width, float height) {
    if (p == nullptr) return false;
    p->segments.push_back({headless::PathSegment::Kind::Rectangle, RectF{x, y, width, height}, 0.0f, 0.0f});
    return true;
}
bool closePathFigure(PathHandle p) {
    if (p == nullptr) return false;
    p->segments.push_back({headless::PathSegment::Kind::Close, RectF{}, 0.0f, 0.0f});
    return true;
}
bool resetPath(PathHandle p) {
    if (p == nullptr) return false;
    p->segments.clear();
    return true;
}
void deletePath(PathHandle p) {
    release(p);
}

bool fillPath(GraphicsHandle g, BrushHandle b, PathHandle p) {
    if (g == nullptr || b == nullptr || p == nullptr) return false;
    headless::DrawCall& call = record(g, headless::DrawOp::FillPath);
    call.colour = b->colour;
    call.path = p->segments;
    return true;
}
bool drawPath(GraphicsHandle g, PenHandle pen, PathHandle p) {
    if (g == nullptr || pen == nullptr || p == nullptr) return false;
    headless::DrawCall& call = record(g, headless::DrawOp::DrawPath);
    withPen(call, *pen);
    call.path = p->segments;
    return true;
}
bool fillRectangle(GraphicsHandle g, BrushHandle b, const RectF& r) {
    return shape(g, headless::DrawOp::FillRectangle, b, r);
}
bool drawRectangle(GraphicsHandle g, PenHandle pen, const RectF& r) {
    return outline(g, headless::DrawOp::DrawRectangle, pen, r);
}
bool fillEllipse(GraphicsHandle g, BrushHandle b, const RectF& r) {
    return shape(g, headless::DrawOp::FillEllipse, b, r);
}
bool drawEllipse(GraphicsHandle g, PenHandle pen, const RectF& r) {
    return outline(g, headless::DrawOp::DrawEllipse, pen, r);
}

StringFormatHandle createStringFormat() {
    return made(new StringFormatObject);
}
bool setStringAlignment(StringFormatHandle f, StringAlignment alignment) {
    if (f == nullptr) return false;
    f->alignment = alignment;
    return true;
}
bool setLineAlignment(StringFormatHandle f, StringAlignment alignment) {
    if (f == nullptr) return false;
    f->lineAlignment = alignment;
    return true;
}
void deleteStringFormat(StringFormatHandle f) {
    release(f);
}

FontFamilyHandle createFontFamily(const char16_t* face) {
    if (face == nullptr) return nullptr;
    for (const char16_t* installed : installedFaces)
        if (std::u16string_view(installed) == face) return made(new FontFamilyObject{face});
    return nullptr;
}
void deleteFontFamily(FontFamilyHandle f) {
    release(f);
}
FontHandle createGraphicsFont(FontFamilyHandle family, float sizePoints, FontStyle style) {
    if (family == nullptr) return nullptr;
    return made(new FontObject{family->face, sizePoints, style});
}
void deleteFont(FontHandle f) {
    release(f);
}

bool drawString(GraphicsHandle g, const char16_t* text, FontHandle font, const RectF& layout,
                StringFormatHandle format, BrushHandle brush) {
    if (g == nullptr || text == nullptr || font == nullptr || brush == nullptr) return false;
    headless::DrawCall& call = record(g, headless::DrawOp::DrawString);
    call.colour = brush->colour;
    call.rect = layout;
    call.text = text;
    withFont(call, *font);
    if (format != nullptr) {
        call.hasFormat = true;
        call.alignment = format->alignment;
        call.lineAlignment = format->lineAlignment;
    }
    return true;
}

bool measureString(GraphicsHandle g, const char16_t* text, FontHandle font, const RectF& layout,
                   RectF& bounds) {
    bounds = RectF{};
    if (g == nullptr || text == nullptr || font == nullptr) return false;
    headless::DrawCall& call = record(g, headless::DrawOp::MeasureString);
    call.rect = layout;
    call.text = text;
    withFont(call, *font);
    const auto length = static_cast<float>(call.text.size());
    const bool empty = call.text.empty();
    bounds = RectF{layout.x, layout.y, length * recorder().charWidth, empty ? 0.0f : recorder().lineHeight};
    return true;
}

namespace headless {

const std::vector<DrawCall>& drawCalls() {
    return recorder().calls;
}
void clearDrawCalls() {
    recorder().calls.clear();
}
std::size_t liveGraphicsObjects() {
    return recorder().live;
}
void makeNextGraphicsFail() {
    recorder().failNext = true;
}
void setTextMetrics(float charWidth, float lineHeight) {
    recorder().charWidth = charWidth;
    recorder().lineHeight = lineHeight;
}
void resetGraphics() {
    Recorder& r = recorder();
    r.calls.clear();
    r.failNext = false;
    r.charWidth = 8.0f;
    r.lineHeight = 16.0f;
}

} // namespace headless
} // namespace zor::platform
