#include "platform/test_pixels.h"
#include "render_fixture.h"

namespace zor::render_test {
namespace {

class LabelTest : public RenderTest {
  protected:
    Widget label;
    void SetUp() override {
        RenderTest::SetUp();
        createLabel(window, keep(label), u"1200 bytes received OK", 10, 10, 300, 24, false, 0, 0);
    }
};

TEST_F(LabelTest, AlignmentValuesGoToTheStringFormatAndOthersStayNear) {
    label.textAlignH = 2;
    label.textAlignV = 1;
    auto texts = only(paint(label), DrawOp::DrawString);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].alignment, platform::StringAlignment::Far);
    EXPECT_EQ(texts[0].lineAlignment, platform::StringAlignment::Center);
    EXPECT_TRUE(rectIs(texts[0].rect, 0.0f, 0.0f, 300.0f, 24.0f));

    label.textAlignH = 7;
    label.textAlignV = -1;
    texts = only(paint(label), DrawOp::DrawString);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].alignment, platform::StringAlignment::Near);
    EXPECT_EQ(texts[0].lineAlignment, platform::StringAlignment::Near);
}

TEST_F(LabelTest, BorderOnlyWhenBorderedAndGreyedWhenDisabled) {
    EXPECT_TRUE(only(paint(label), DrawOp::DrawRectangle).empty());

    label.bordered = true;
    auto rects = only(paint(label), DrawOp::DrawRectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(rectIs(rects[0].rect, 0.0f, 0.0f, 299.0f, 23.0f));
    EXPECT_EQ(rects[0].colour, label.ctbn);
    EXPECT_EQ(rects[0].penWidth, 1.0f);

    label.visualState = Disabled;
    const auto& calls = paint(label);
    rects = only(calls, DrawOp::DrawRectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].colour, label.ctbd);
    EXPECT_EQ(only(calls, DrawOp::DrawString).at(0).colour, label.cttd);
}

TEST_F(LabelTest, BackgroundIsTheFieldColourWithFieldLook) {
    struct Row {
        bool fieldLook;
        std::int32_t state;
        Argb background;
        Argb text;
    };
    const Row rows[] = {
        {false, Normal, label.ctbg, label.cttn},  {false, Disabled, label.ctbg, label.cttd},
        {true, Normal, label.ctebg, label.cttn},  {true, MouseOver, label.ctebg, label.cttn}, // no hover look
        {true, Disabled, label.ctfd, label.cttd},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "fieldLook " << row.fieldLook << " state " << row.state);
        label.fieldLook = row.fieldLook;
        label.visualState = row.state;
        const auto& calls = paint(label);
        EXPECT_EQ(platform::testing::surfacePixel(label.backDC, 5, 5), row.background);
        EXPECT_EQ(only(calls, DrawOp::DrawString).at(0).colour, row.text);
    }
}

TEST_F(LabelTest, MissingFontFaceDrawsNoTextAndReleasesEverything) {
    label.setOwnFont(u"No Such Face", 12);
    label.ownFont = true;
    label.bordered = true;
    const auto& calls = paint(label);
    EXPECT_TRUE(only(calls, DrawOp::DrawString).empty());
    EXPECT_EQ(only(calls, DrawOp::DrawRectangle).size(), 1u); // the other layers still draw
    ReleaseTextObjects();
    EXPECT_EQ(platform::headless::liveGraphicsObjects(), 0u);
}

TEST_F(LabelTest, OwnFontFaceAndSizeReplaceTheDefault) {
    label.setOwnFont(u"Courier New", 12);
    label.ownFont = true;
    const auto texts = only(paint(label), DrawOp::DrawString);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].fontFace, u"Courier New");
    EXPECT_EQ(texts[0].fontSize, 12.0f);
    EXPECT_EQ(texts[0].fontStyle, platform::FontStyle::Bold);
}

} // namespace
} // namespace zor::render_test
