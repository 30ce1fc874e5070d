#include "render_fixture.h"

namespace zor::render_test {
namespace {

class GroupBoxTest : public RenderTest {
  protected:
    Widget group;
    void SetUp() override {
        RenderTest::SetUp();
        createGroupBox(window, keep(group), u"Status", 10, 10, 300, 120);
    }
};

TEST_F(GroupBoxTest, FrameRunsThroughTheMiddleOfTheCaptionWithAGapBehindIt) {
    platform::headless::setTextMetrics(9.0f, 14.0f);
    const auto& calls = paint(group);

    const auto outline = only(calls, DrawOp::DrawPath);
    ASSERT_EQ(outline.size(), 1u);
    ASSERT_EQ(outline[0].path.size(), 5u);
    EXPECT_TRUE(rectIs(outline[0].path[0].box, 0.0f, 7.0f, 5.0f, 5.0f));
    // height = bottom - 7 = 113: bottom arcs at 7 + 113 - 1 - 5.
    EXPECT_TRUE(rectIs(outline[0].path[2].box, 294.0f, 114.0f, 5.0f, 5.0f));
    EXPECT_EQ(outline[0].colour, group.ctol);
    EXPECT_EQ(outline[0].penWidth, 1.0f);

    const auto fills = only(calls, DrawOp::FillPath);
    ASSERT_EQ(fills.size(), 1u); // filled in the background colour, no gloss
    EXPECT_EQ(fills[0].colour, group.ctbg);

    const auto gap = only(calls, DrawOp::FillRectangle);
    ASSERT_EQ(gap.size(), 1u);
    EXPECT_TRUE(rectIs(gap[0].rect, 10.0f, 0.0f, 54.0f, 14.0f)); // "Status": 6 x 9 wide
    EXPECT_EQ(gap[0].colour, group.ctbg);

    const auto texts = only(calls, DrawOp::DrawString);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(rectIs(texts[0].rect, 10.0f, 0.0f, 300.0f, 120.0f));
    EXPECT_EQ(texts[0].alignment, platform::StringAlignment::Near);
    EXPECT_EQ(texts[0].lineAlignment, platform::StringAlignment::Near);
    EXPECT_EQ(texts[0].colour, group.cttn);

    // Measured with no format in the client rectangle, before the frame is drawn.
    ASSERT_EQ(calls.at(0).op, DrawOp::MeasureString);
    EXPECT_FALSE(calls[0].hasFormat);
    EXPECT_TRUE(rectIs(calls[0].rect, 0.0f, 0.0f, 300.0f, 120.0f));
}

TEST_F(GroupBoxTest, OddCaptionHeightTruncatesTheFrameEdges) {
    platform::headless::setTextMetrics(8.0f, 15.0f);
    const auto outline = only(paint(group), DrawOp::DrawPath);
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_EQ(outline[0].path[0].box.y, 7.0f);   // trunc(7.5)
    EXPECT_EQ(outline[0].path[2].box.y, 113.0f); // 7 + trunc(112.5) - 6
}

TEST_F(GroupBoxTest, EmptyCaptionStillDrawsTheFrameWithAZeroGap) {
    group.setText(u"");
    const auto& calls = paint(group);
    const auto outline = only(calls, DrawOp::DrawPath);
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_EQ(outline[0].path[0].box.y, 0.0f);
    const auto gap = only(calls, DrawOp::FillRectangle);
    ASSERT_EQ(gap.size(), 1u);
    EXPECT_TRUE(rectIs(gap[0].rect, 10.0f, 0.0f, 0.0f, 0.0f));
}

TEST_F(GroupBoxTest, DisabledTakesTheDisabledOutlineAndText) {
    group.visualState = Disabled;
    const auto& calls = paint(group);
    EXPECT_EQ(only(calls, DrawOp::DrawPath).at(0).colour, group.ctold);
    EXPECT_EQ(only(calls, DrawOp::DrawString).at(0).colour, group.cttd);
}

TEST_F(GroupBoxTest, MissingFontDrawsTheFrameWithoutCaptionOrGap) {
    group.setOwnFont(u"No Such Face", 10);
    group.ownFont = true;
    const auto& calls = paint(group);
    EXPECT_EQ(only(calls, DrawOp::DrawPath).size(), 1u);
    EXPECT_TRUE(only(calls, DrawOp::DrawString).empty());
    EXPECT_TRUE(only(calls, DrawOp::MeasureString).empty());
    EXPECT_EQ(platform::headless::liveGraphicsObjects(), 0u);
}

} // namespace
} // namespace zor::render_test
