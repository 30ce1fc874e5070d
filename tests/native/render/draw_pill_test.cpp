#include "render/draw_pill.h"

#include "render/graphics_objects.h"
#include "render_fixture.h"

namespace zor::render_test {
namespace {

class DrawPillTest : public ::testing::Test {
  protected:
    platform::SurfaceHandle surface = nullptr;

    void SetUp() override {
        platform::headless::resetGraphics();
        surface = platform::createCompatibleSurface(nullptr);
    }
    void TearDown() override {
        platform::deleteSurface(surface);
        platform::headless::resetGraphics();
    }

    const std::vector<DrawCall>& draw(bool gloss, bool fill) {
        {
            const OwnedGraphics graphics(platform::createGraphics(surface));
            const OwnedPen pen = makePen(0xFF64C8C8u, 1.0f);
            DrawPill(graphics.get(), 0, 0, 100, 25, 5, pen.get(), 1, 0xFFE6E6E6u, 0x8CFFFFFFu, gloss, fill);
        }
        EXPECT_EQ(platform::headless::liveGraphicsObjects(), 0u);
        return platform::headless::drawCalls();
    }
};

void expectArc(const PathSegment& s, float x, float y, float start) {
    EXPECT_EQ(s.kind, PathSegment::Kind::Arc);
    EXPECT_TRUE(rectIs(s.box, x, y, 5.0f, 5.0f));
    EXPECT_EQ(s.startAngle, start);
    EXPECT_EQ(s.sweepAngle, 90.0f);
}

void expectOutline(const std::vector<PathSegment>& path) {
    ASSERT_EQ(path.size(), 5u);
    expectArc(path[0], 0.0f, 0.0f, 180.0f);
    expectArc(path[1], 94.0f, 0.0f, 270.0f);
    expectArc(path[2], 94.0f, 19.0f, 0.0f);
    expectArc(path[3], 0.0f, 19.0f, 90.0f);
    EXPECT_EQ(path[4].kind, PathSegment::Kind::Close);
}

TEST_F(DrawPillTest, FilledWithGlossDrawsFaceOutlineBandAndRectangle) {
    const auto& calls = draw(true, true);
    ASSERT_EQ(calls.size(), 4u);

    EXPECT_EQ(calls[0].op, DrawOp::FillPath);
    EXPECT_EQ(calls[0].colour, 0xFFE6E6E6u);
    expectOutline(calls[0].path);

    EXPECT_EQ(calls[1].op, DrawOp::DrawPath);
    EXPECT_EQ(calls[1].colour, 0xFF64C8C8u);
    EXPECT_EQ(calls[1].endCap, platform::LineCap::Round);
    expectOutline(calls[1].path);

    // The band: two upper arcs moved in by 2, closed straight across.
    EXPECT_EQ(calls[2].op, DrawOp::FillPath);
    EXPECT_EQ(calls[2].colour, 0x8CFFFFFFu);
    ASSERT_EQ(calls[2].path.size(), 3u);
    expectArc(calls[2].path[0], 2.0f, 2.0f, 180.0f);
    expectArc(calls[2].path[1], 92.0f, 2.0f, 270.0f);
    EXPECT_EQ(calls[2].path[2].kind, PathSegment::Kind::Close);

    EXPECT_EQ(calls[3].op, DrawOp::FillPath);
    EXPECT_EQ(calls[3].colour, 0x8CFFFFFFu);
    ASSERT_EQ(calls[3].path.size(), 1u);
    EXPECT_EQ(calls[3].path[0].kind, PathSegment::Kind::Rectangle);
    EXPECT_TRUE(rectIs(calls[3].path[0].box, 2.0f, 3.5f, 95.0f, 8.0f));
}

TEST_F(DrawPillTest, WithoutFillOnlyTheOutlineIsDrawnEvenWhenGlossIsAsked) {
    const auto& calls = draw(true, false);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].op, DrawOp::DrawPath);
    expectOutline(calls[0].path);
}

TEST_F(DrawPillTest, FilledWithoutGlossHasNoBand) {
    const auto& calls = draw(false, true);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, DrawOp::FillPath);
    EXPECT_EQ(calls[1].op, DrawOp::DrawPath);
}

TEST_F(DrawPillTest, OffsetRectangleMovesEveryCorner) {
    {
        const OwnedGraphics graphics(platform::createGraphics(surface));
        const OwnedPen pen = makePen(0xFF000000u, 1.0f);
        DrawPill(graphics.get(), 10, 7, 200, 50, 5, pen.get(), 1, 0xFFFFFFFFu, 0u, false, false);
    }
    const auto& path = platform::headless::drawCalls().at(0).path;
    ASSERT_EQ(path.size(), 5u);
    expectArc(path[0], 10.0f, 7.0f, 180.0f);
    expectArc(path[1], 204.0f, 7.0f, 270.0f); // 10 + 200 - 1 - 5
    expectArc(path[2], 204.0f, 51.0f, 0.0f);  // 7 + 50 - 1 - 5
    expectArc(path[3], 10.0f, 51.0f, 90.0f);
}

} // namespace
} // namespace zor::render_test
