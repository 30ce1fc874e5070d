// Text through the graphics seam on Windows: the bold style and the measured box reach GDI+.
#include "platform/gdi.h"
#include "platform/graphics.h"
#include "platform/graphics_runtime.h"
#include "platform/test_pixels.h"
#include "render/graphics_objects.h"
#include "toolkit/widget.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

class GraphicsTextTest : public ::testing::Test {
  protected:
    platform::SurfaceHandle screen = nullptr;
    platform::SurfaceHandle surface = nullptr;
    platform::GdiObject bitmap = nullptr;
    platform::GdiObject previous = nullptr;
    void SetUp() override {
        // GDI+ is started by the first widget creation; these tests make no widget.
        if (!toolkit.graphicsStarted)
            toolkit.graphicsStarted = platform::startGraphics(toolkit.graphicsToken);
        screen = platform::windowSurface(nullptr);
        surface = platform::createCompatibleSurface(screen);
        bitmap = platform::createCompatibleBitmap(screen, 200, 40);
        previous = platform::selectObject(surface, bitmap);
    }
    void TearDown() override {
        platform::selectObject(surface, previous);
        platform::deleteObject(bitmap);
        platform::deleteSurface(surface);
        platform::releaseWindowSurface(nullptr, screen);
    }

    // Dark pixels of the text drawn on white in the given style.
    int inkOf(platform::FontStyle style) {
        platform::GdiObject white = platform::createSolidBrush(0x00FFFFFF);
        platform::fillRect(surface, platform::Rect{0, 0, 200, 40}, white);
        platform::deleteObject(white);
        {
            const OwnedGraphics graphics(platform::createGraphics(surface));
            const OwnedFontFamily family(platform::createFontFamily(u"Arial"));
            EXPECT_TRUE(family);
            const OwnedFont font(platform::createGraphicsFont(family.get(), 10.0f, style));
            const OwnedBrush black = makeBrush(0xFF000000u);
            EXPECT_TRUE(platform::drawString(graphics.get(), u"Read Settings", font.get(),
                                             platform::RectF{0, 0, 200, 40}, nullptr, black.get()));
        }
        int ink = 0;
        for (std::int32_t y = 0; y < 40; ++y)
            for (std::int32_t x = 0; x < 200; ++x)
                if ((platform::testing::surfacePixel(surface, x, y) & 0xFFu) < 0x80u) ++ink;
        return ink;
    }
};

TEST_F(GraphicsTextTest, BoldTextCarriesMoreInkThanRegular) {
    const int regular = inkOf(platform::FontStyle::Regular);
    const int bold = inkOf(platform::FontStyle::Bold);
    EXPECT_GT(regular, 0);
    EXPECT_GT(bold, regular);
}

TEST_F(GraphicsTextTest, MeasuredBoxGrowsWithTheTextAndMissingFacesGiveNoFont) {
    const OwnedGraphics graphics(platform::createGraphics(surface));
    const OwnedFontFamily family(platform::createFontFamily(u"Arial"));
    const OwnedFont font(platform::createGraphicsFont(family.get(), 10.0f, platform::FontStyle::Bold));
    platform::RectF shortBox, longBox;
    ASSERT_TRUE(platform::measureString(graphics.get(), u"Status", font.get(),
                                        platform::RectF{0, 0, 300, 100}, shortBox));
    ASSERT_TRUE(platform::measureString(graphics.get(), u"Status of the converter", font.get(),
                                        platform::RectF{0, 0, 300, 100}, longBox));
    EXPECT_GT(shortBox.height, 10.0f);
    EXPECT_LT(shortBox.height, 25.0f);
    EXPECT_GT(longBox.width, shortBox.width);

    EXPECT_EQ(platform::createFontFamily(u"No Such Face Anywhere"), nullptr);
    EXPECT_EQ(platform::createGraphicsFont(nullptr, 10.0f, platform::FontStyle::Bold), nullptr);
}

} // namespace
} // namespace zor
