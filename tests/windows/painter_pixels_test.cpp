// GDI+ pixels in the back buffers of real widgets, in the light colours.
#include "platform/test_input.h"
#include "platform/test_pixels.h"
#include "platform/window.h"
#include "support/pump.h"
#include "toolkit/widget_create.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace zor {
namespace {

constexpr Argb face = 0xFFE6E6E6u;
constexpr Argb border = 0xFF64C8C8u;
constexpr Argb background = 0xFFDCDCDCu;

int channel(std::uint32_t colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFFu);
}
int brightness(std::uint32_t colour) {
    return channel(colour, 16) + channel(colour, 8) + channel(colour, 0);
}
// Anti-aliasing mixes the edge with what is beside it: near enough, channel by channel.
::testing::AssertionResult near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift : {16, 8, 0})
        if (std::abs(channel(actual, shift) - channel(expected, shift)) > tolerance) {
            char text[64];
            std::snprintf(text, sizeof text, "0x%08X is not near 0x%08X", actual, expected);
            return ::testing::AssertionFailure() << text;
        }
    return ::testing::AssertionSuccess();
}

class PainterPixelsTest : public ::testing::Test {
  protected:
    Widget window;
    Widget button;
    Widget check;

    void SetUp() override {
        ASSERT_TRUE(createMainWindow(window, 40, 40, 400, 200, u"Painters"));
        window.ctbg = background;
        window.ctawa = background;
        window.ctfn = face;
        window.ctbn = border;
        window.cttn = 0xFF282828u;
        window.ctgc = 0x8CFFFFFFu;
        window.ctsn = 0xFF282828u;
        createButton(window, button, u"OK", 10, 10, 100, 25, nullptr);
        createCheckBox(window, check, u"Averaging", 10, 50, 150, 28, nullptr);
        toolkit.eventsEnabled = true;
        testing::pumpPending();
    }
    void TearDown() override {
        check.destroy();
        button.destroy();
        window.destroy();
        platform::testing::destroyAllWindows();
    }

    static std::uint32_t pixel(const Widget& w, std::int32_t x, std::int32_t y) {
        return platform::testing::surfacePixel(w.backDC, x, y);
    }
    static void repaintNow(Widget& w) {
        platform::invalidate(w.window, false);
        testing::pumpPending();
    }
};

TEST_F(PainterPixelsTest, NormalButtonShowsFaceBorderGlossAndText) {
    repaintNow(button);
    // Face below the gloss, away from the text.
    EXPECT_EQ(pixel(button, 10, 19), face);
    EXPECT_EQ(pixel(button, 90, 19), face);
    // The outline on the left and right edges, inside the last column.
    EXPECT_TRUE(near(pixel(button, 0, 12), border, 0x30));
    EXPECT_TRUE(near(pixel(button, 99, 12), border, 0x30));
    EXPECT_TRUE(near(pixel(button, 50, 24), border, 0x30));
    // White gloss over the upper part: lighter than the face.
    EXPECT_GT(brightness(pixel(button, 10, 6)), brightness(face));
    // Text in the middle: some dark pixel.
    bool dark = false;
    for (std::int32_t y = 5; y < 20 && !dark; ++y)
        for (std::int32_t x = 35; x < 65 && !dark; ++x)
            dark = brightness(pixel(button, x, y)) < 3 * 0x80;
    EXPECT_TRUE(dark);
}

TEST_F(PainterPixelsTest, HoveredButtonHasATwoPixelBorder) {
    button.ctbmo = 0xFF28C8F0u;
    button.ctfmo = 0xFFC8E6FFu;
    button.visualState = MouseOver;
    repaintNow(button);
    EXPECT_EQ(pixel(button, 10, 19), 0xFFC8E6FFu);
    // The right edge at x 99 is 2 wide: it reaches into column 98, which a 1-wide border leaves alone.
    EXPECT_TRUE(near(pixel(button, 99, 12), 0xFF28C8F0u, 0x30));
    EXPECT_TRUE(near(pixel(button, 98, 12), 0xFF28C8F0u, 0x60));
    button.visualState = Normal;
    repaintNow(button);
    EXPECT_EQ(pixel(button, 98, 12), face);
}

TEST_F(PainterPixelsTest, CheckedBoxShowsItsMarkInsideTheBox) {
    check.checked = true;
    repaintNow(check);
    EXPECT_EQ(pixel(check, 14, 14), 0xFF282828u);         // mark: 11..17 x 11..17
    EXPECT_EQ(pixel(check, 9, 9), face);                  // box fill around it
    EXPECT_EQ(pixel(check, 3, 14), background);           // left of the box
    EXPECT_TRUE(near(pixel(check, 7, 14), border, 0x40)); // outline
}

} // namespace
} // namespace zor
