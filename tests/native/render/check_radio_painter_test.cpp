#include "render_fixture.h"

namespace zor::render_test {
namespace {

class CheckAndRadioTest : public RenderTest {
  protected:
    Widget check;
    Widget radio;
    void SetUp() override {
        RenderTest::SetUp();
        createCheckBox(window, keep(check), u"Averaging", 10, 10, 150, 28, nullptr);
        createRadioButton(window, keep(radio), u"Set 1", 10, 50, 150, 25, nullptr);
    }
};

TEST_F(CheckAndRadioTest, BoxAndMarkStandOnTheMiddleOfTheHeight) {
    // Check box 28 high: mid 14, squares.
    auto calls = paint(check);
    auto boxes = only(calls, DrawOp::FillRectangle);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(rectIs(boxes[0].rect, 7.0f, 7.0f, 15.0f, 15.0f));
    EXPECT_TRUE(rectIs(boxes[1].rect, 11.0f, 11.0f, 7.0f, 7.0f));
    auto outline = only(calls, DrawOp::DrawRectangle);
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_TRUE(rectIs(outline[0].rect, 7.0f, 7.0f, 15.0f, 15.0f));
    EXPECT_TRUE(only(calls, DrawOp::FillEllipse).empty());

    // Radio button 25 high: mid 12 (truncated), circles.
    calls = paint(radio);
    auto dots = only(calls, DrawOp::FillEllipse);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_TRUE(rectIs(dots[0].rect, 7.0f, 5.0f, 15.0f, 15.0f));
    EXPECT_TRUE(rectIs(dots[1].rect, 11.0f, 9.0f, 7.0f, 7.0f));
    ASSERT_EQ(only(calls, DrawOp::DrawEllipse).size(), 1u);
    EXPECT_TRUE(only(calls, DrawOp::FillRectangle).empty());

    auto texts = only(calls, DrawOp::DrawString);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(rectIs(texts[0].rect, 27.0f, 0.0f, 150.0f, 25.0f));
    EXPECT_EQ(texts[0].alignment, platform::StringAlignment::Near);
    EXPECT_EQ(texts[0].lineAlignment, platform::StringAlignment::Center);
}

TEST_F(CheckAndRadioTest, EachStateAndCheckTakesItsColours) {
    struct Row {
        std::int32_t state;
        bool checked;
        Argb text, outline;
        float width;
        Argb box, mark;
    };
    const Widget& c = check;
    const Row rows[] = {
        {MouseOver, true, c.cttn, c.ctbn, 2.0f, c.ctfmo, c.ctsn},
        {MouseOver, false, c.cttn, c.ctbn, 2.0f, c.ctfmo, c.ctfn},
        {MouseDown, true, c.cttn, c.ctbn, 1.0f, c.ctfmd, c.ctsmd},
        {MouseDown, false, c.cttn, c.ctbn, 1.0f, c.ctfmd, c.ctsmd},
        {Normal, true, c.cttn, c.ctbn, 1.0f, c.ctfn, c.ctsn},
        {Normal, false, c.cttn, c.ctbn, 1.0f, c.ctfn, c.ctfn},
        {Disabled, true, c.cttd, c.ctbd, 1.0f, c.ctbg, c.ctsd},
        {Disabled, false, c.cttd, c.ctbd, 1.0f, c.ctbg, c.ctbg},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "state " << row.state << " checked " << row.checked);
        check.visualState = row.state;
        check.checked = row.checked;
        const auto& calls = paint(check);
        const auto fills = only(calls, DrawOp::FillRectangle);
        ASSERT_EQ(fills.size(), 2u);
        EXPECT_EQ(fills[0].colour, row.box);
        EXPECT_EQ(fills[1].colour, row.mark);
        const auto outline = only(calls, DrawOp::DrawRectangle);
        ASSERT_EQ(outline.size(), 1u);
        EXPECT_EQ(outline[0].colour, row.outline);
        EXPECT_EQ(outline[0].penWidth, row.width);
        const auto texts = only(calls, DrawOp::DrawString);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].colour, row.text);
    }
}

TEST_F(CheckAndRadioTest, DisabledCheckedRadioIsALampInItsOwnColour) {
    radio.enabled = false;
    radio.visualState = Disabled;
    radio.checked = true;
    radio.ctsd = 0xFF00C800u;
    const auto dots = only(paint(radio), DrawOp::FillEllipse);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[1].colour, 0xFF00C800u);
}

TEST_F(CheckAndRadioTest, NoGraphicsContextShowsTheDebugBoxAndDrawsNothing) {
    platform::headless::makeNextGraphicsFail();
    EXPECT_TRUE(paint(check).empty());
    const auto& boxes = platform::headless::shownBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Graphics object failed");
    EXPECT_EQ(boxes[0].caption, u"debug");
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].flags, 0u);
    EXPECT_EQ(platform::headless::liveGraphicsObjects(), 0u);

    // The next paint draws again.
    EXPECT_FALSE(paint(check).empty());
}

} // namespace
} // namespace zor::render_test
