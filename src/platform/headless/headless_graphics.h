// What tests can read of the headless backend's recording graphics: every drawing call with its
// geometry, colours, pen, font and alignment, in the order it was made.
#pragma once

#include "platform/graphics.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zor::platform::headless {

enum class DrawOp {
    FillPath,
    DrawPath,
    FillRectangle,
    DrawRectangle,
    FillEllipse,
    DrawEllipse,
    DrawString,
    MeasureString
};

struct PathSegment {
    enum class Kind { Arc, Rectangle, Close } kind = Kind::Arc;
    RectF box;               // arc: bounding box of the circle; rectangle: the rectangle
    float startAngle = 0.0f; // arcs only
    float sweepAngle = 0.0f;
};

struct DrawCall {
    DrawOp op = DrawOp::FillPath;
    SurfaceHandle surface = nullptr; // the DC the graphics context was made on
    SmoothingMode smoothing = SmoothingMode::Default;
    std::uint32_t colour = 0; // brush colour for fills and text, pen colour for outlines
    float penWidth = 0.0f;
    DashStyle dash = DashStyle::Solid;
    LineCap endCap = LineCap::Flat;
    RectF rect; // rectangles, ellipses and text layout rectangles
    std::vector<PathSegment> path;
    std::u16string text;
    std::u16string fontFace;
    float fontSize = 0.0f;
    FontStyle fontStyle = FontStyle::Regular;
    bool hasFormat = false;
    StringAlignment alignment = StringAlignment::Near;
    StringAlignment lineAlignment = StringAlignment::Near;
};

const std::vector<DrawCall>& drawCalls();
void clearDrawCalls();
// Graphics contexts, pens, brushes, paths, formats, families and fonts not yet deleted.
std::size_t liveGraphicsObjects();
void makeNextGraphicsFail(); // the next createGraphics returns null
// Text measures n characters as n x charWidth wide and lineHeight high; an empty text as 0 x 0.
void setTextMetrics(float charWidth, float lineHeight);
// Clears the log, the failure request and the metrics (8 x 16).
void resetGraphics();

} // namespace zor::platform::headless
