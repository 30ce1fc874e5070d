// Painting through the paint message on whichever backend runs: backgrounds and plain fills are
// opaque GDI fills that both backends keep in the widget's back buffer.
#include "platform/test_input.h"
#include "platform/test_pixels.h"
#include "platform/window.h"
#include "support/pump.h"
#include "toolkit/colour.h"
#include "toolkit/toolkit_hooks.h"
#include "toolkit/widget_create.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

static_assert(ToColorRef(0xFF2878C8u) == 0x00C87828u);
static_assert(ToColorRef(0x8CFFFFFFu) == 0x00FFFFFFu);

class PaintedPixelsTest : public ::testing::Test {
  protected:
    Widget window;
    Widget status;
    Widget label;

    void SetUp() override {
        ASSERT_TRUE(createMainWindow(window, 40, 40, 400, 200, u"Pixels"));
        window.ctbg = 0xFFDCDCDCu;
        window.ctawa = 0xFFFAFAFAu;
        window.ctebg = 0xFFE0FFFFu;
        window.ctfd = 0xFFB4B4B4u;
        window.cttn = 0xFF282828u;
        window.cttd = 0xFF505050u;
        createLabel(window, status, u"OK", 10, 10, 200, 24, false, 0, 1);
        status.fieldLook = true;
        createLabel(window, label, u"Port", 10, 50, 200, 24, false, 0, 1);
        toolkit.eventsEnabled = true;
        testing::pumpPending(); // the first paint, straight onto the windows; later ones are buffered
    }
    void TearDown() override {
        label.destroy();
        status.destroy();
        window.destroy();
        platform::testing::destroyAllWindows();
    }

    static void repaintNow(Widget& w) {
        platform::invalidate(w.window, true);
        testing::pumpPending();
    }
};

TEST_F(PaintedPixelsTest, BackgroundsFollowTheKindAndTheFieldLook) {
    repaintNow(window);
    repaintNow(status);
    repaintNow(label);
    EXPECT_EQ(platform::testing::surfacePixel(window.backDC, 300, 150), 0xFFFAFAFAu);
    EXPECT_EQ(platform::testing::surfacePixel(status.backDC, 195, 20), 0xFFE0FFFFu);
    EXPECT_EQ(platform::testing::surfacePixel(label.backDC, 195, 20), 0xFFDCDCDCu);

    // The status line flashes by changing its own field colour; a disabled one shows the grey.
    status.ctebg = 0xFFFFC800u;
    repaintNow(status);
    EXPECT_EQ(platform::testing::surfacePixel(status.backDC, 195, 20), 0xFFFFC800u);
    status.visualState = Disabled;
    status.enabled = false;
    repaintNow(status);
    EXPECT_EQ(platform::testing::surfacePixel(status.backDC, 195, 20), 0xFFB4B4B4u);
}

TEST_F(PaintedPixelsTest, TranslucentBackgroundStillCoversTheLastPaint) {
    label.ctbg = 0xFF0000FFu;
    repaintNow(label);
    label.ctbg = 0x20FF0000u; // alpha is dropped for the background
    repaintNow(label);
    EXPECT_EQ(platform::testing::surfacePixel(label.backDC, 195, 20), 0xFFFF0000u);
}

TEST_F(PaintedPixelsTest, EraseIsSkippedForBufferedWidgets) {
    repaintNow(label); // a paint after the first makes the buffer
    platform::SurfaceHandle surface = platform::windowSurface(label.window);
    EXPECT_EQ(eraseWidgetBackground(surface, label), 1);
    platform::releaseWindowSurface(label.window, surface);
}

} // namespace
} // namespace zor
