#include "platform/test_pixels.h"
#include "render_fixture.h"

namespace zor::render_test {
namespace {

class ButtonPainterTest : public RenderTest {
  protected:
    Widget button;
    void SetUp() override {
        RenderTest::SetUp();
        createButton(window, keep(button), u"Read Settings", 20, 30, 100, 25, nullptr);
    }
};

TEST_F(ButtonPainterTest, EachStateTakesItsBorderWidthFaceAndTextColours) {
    struct Row {
        std::int32_t state;
        Argb border;
        float width;
        Argb face;
        Argb text;
    };
    const Row rows[] = {
        {MouseOver, button.ctbmo, 2.0f, button.ctfmo, button.cttmo},
        {MouseDown, button.ctbmd, 1.0f, button.ctfmd, button.cttmd},
        {Normal, button.ctbn, 1.0f, button.ctfn, button.cttn},
        {Disabled, button.ctbd, 1.0f, button.ctfd, button.cttd},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        button.visualState = row.state;
        const auto& calls = paint(button);
        const auto outlines = only(calls, DrawOp::DrawPath);
        ASSERT_EQ(outlines.size(), 1u);
        EXPECT_EQ(outlines[0].colour, row.border);
        EXPECT_EQ(outlines[0].penWidth, row.width);
        const auto fills = only(calls, DrawOp::FillPath);
        ASSERT_EQ(fills.size(), 3u); // face, gloss band, gloss rectangle
        EXPECT_EQ(fills[0].colour, row.face);
        EXPECT_EQ(fills[1].colour, button.ctgc);
        EXPECT_EQ(fills[2].colour, button.ctgc);
        const auto texts = only(calls, DrawOp::DrawString);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].colour, row.text);
    }
}

TEST_F(ButtonPainterTest, TextIsCentredInTheClientRectangleInBoldArialTen) {
    const auto texts = only(paint(button), DrawOp::DrawString);
    ASSERT_EQ(texts.size(), 1u);
    const DrawCall& t = texts[0];
    EXPECT_EQ(t.text, u"Read Settings");
    EXPECT_TRUE(rectIs(t.rect, 0.0f, 0.0f, 100.0f, 25.0f));
    EXPECT_EQ(t.alignment, platform::StringAlignment::Center);
    EXPECT_EQ(t.lineAlignment, platform::StringAlignment::Center);
    EXPECT_EQ(t.fontFace, u"Arial");
    EXPECT_EQ(t.fontSize, 10.0f);
    EXPECT_EQ(t.fontStyle, platform::FontStyle::Bold);
    EXPECT_EQ(t.smoothing, platform::SmoothingMode::HighQuality);
    EXPECT_EQ(t.surface, button.backDC);
}

TEST_F(ButtonPainterTest, DashedFocusRectangleOnlyWhenFocusedAndEnabled) {
    button.hasFocus = true;
    auto rects = only(paint(button), DrawOp::DrawRectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(rectIs(rects[0].rect, 5.0f, 5.0f, 90.0f, 15.0f));
    EXPECT_EQ(rects[0].dash, platform::DashStyle::Dash);
    EXPECT_EQ(rects[0].colour, button.ctbn);
    EXPECT_EQ(rects[0].penWidth, 1.0f);

    button.enabled = false;
    button.visualState = Disabled;
    EXPECT_TRUE(only(paint(button), DrawOp::DrawRectangle).empty());

    button.enabled = true;
    button.hasFocus = false;
    EXPECT_TRUE(only(paint(button), DrawOp::DrawRectangle).empty());
}

TEST_F(ButtonPainterTest, BackgroundFillsTheBackBufferAndEveryObjectIsReleased) {
    makeBackBuffer(button); // the buffer outlives the paint
    const std::size_t gdiBefore = platform::headless::liveGdiObjects();
    paint(button);
    EXPECT_EQ(platform::testing::surfacePixel(button.backDC, 0, 0), button.ctbg);
    EXPECT_EQ(platform::testing::surfacePixel(button.backDC, 99, 24), button.ctbg);
    ReleaseTextObjects(); // the font, its family and the format are kept for later paints until then
    EXPECT_EQ(platform::headless::liveGraphicsObjects(), 0u);
    EXPECT_EQ(platform::headless::liveGdiObjects(), gdiBefore);
}

TEST_F(ButtonPainterTest, PaintRequestReachesThePainterThroughTheWindowProcedure) {
    platform::headless::clearDrawCalls();
    platform::invalidate(button.window, false);
    platform::Message m;
    while (platform::peekMessage(m))
        platform::dispatchMessage(m);
    EXPECT_EQ(only(platform::headless::drawCalls(), DrawOp::DrawString).size(), 1u);
}

} // namespace
} // namespace zor::render_test
