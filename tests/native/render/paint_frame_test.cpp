#include "platform/test_pixels.h"
#include "render_fixture.h"
#include "toolkit/layout.h"

namespace zor::render_test {
namespace {

// What the overlay hook saw when it ran.
struct OverlaySeen {
    int calls = 0;
    platform::SurfaceHandle surface = nullptr;
    std::size_t drawnBefore = 0;
};
OverlaySeen overlaySeen;

void recordOverlay(platform::SurfaceHandle surface, Widget&) {
    ++overlaySeen.calls;
    overlaySeen.surface = surface;
    overlaySeen.drawnBefore = platform::headless::drawCalls().size();
}

class PaintFrameTest : public RenderTest {
  protected:
    Widget button;
    Widget label;
    Widget field;
    void SetUp() override {
        RenderTest::SetUp();
        overlaySeen = OverlaySeen{};
        createButton(window, keep(button), u"Send", 10, 10, 100, 25, nullptr);
        createLabel(window, keep(label), u"Port", 10, 40, 100, 20, true, 0, 1);
        createTextField(window, keep(field), u"12", 10, 70, 100, 22, 0, nullptr);
    }
};

TEST_F(PaintFrameTest, OverlayRunsOnTheBackBufferAfterTheLayers) {
    button.onOverlay = recordOverlay;
    const std::size_t drawn = paint(button).size();
    EXPECT_EQ(overlaySeen.calls, 1);
    EXPECT_EQ(overlaySeen.surface, button.backDC);
    EXPECT_EQ(overlaySeen.drawnBefore, drawn);
}

TEST_F(PaintFrameTest, WithoutBackBufferTheLayersGoStraightOntoTheWindow) {
    dropBackBuffer(label);
    label.onOverlay = recordOverlay;
    const auto& calls = paint(label);
    ASSERT_FALSE(calls.empty());
    for (const DrawCall& c : calls)
        EXPECT_NE(c.surface, nullptr);
    EXPECT_EQ(overlaySeen.calls, 1);
    EXPECT_EQ(overlaySeen.surface, calls[0].surface); // the paint DC
    ReleaseTextObjects();
    EXPECT_EQ(platform::headless::liveGraphicsObjects(), 0u);
}

TEST_F(PaintFrameTest, DeviceWithoutItsBitmapCountsAsNoBackBuffer) {
    // A rebuild that made the DC but not the bitmap: drawing into the DC's placeholder and copying
    // it would put garbage on screen, so the widget is painted and erased as one without a buffer.
    paint(label);
    platform::deleteObject(platform::selectObject(label.backDC, label.backOldBitmap));
    label.backBitmap = nullptr;
    const auto& calls = paint(label);
    ASSERT_FALSE(calls.empty());
    EXPECT_NE(calls[0].surface, label.backDC);

    platform::SurfaceHandle surface = platform::windowSurface(label.window);
    EXPECT_EQ(eraseWidgetBackground(surface, label), 0);
    platform::releaseWindowSurface(label.window, surface);
}

TEST_F(PaintFrameTest, EraseLeavesBufferedWidgetsAloneAndFillsTheOthers) {
    paint(button);
    platform::SurfaceHandle surface = platform::windowSurface(button.window);
    EXPECT_EQ(eraseWidgetBackground(surface, button), 1);
    dropBackBuffer(button);
    const std::size_t gdiBefore = platform::headless::liveGdiObjects();
    EXPECT_EQ(eraseWidgetBackground(surface, button), 0);
    EXPECT_EQ(platform::headless::liveGdiObjects(), gdiBefore);
    platform::releaseWindowSurface(button.window, surface);
}

TEST_F(PaintFrameTest, WindowKindsAreAPlainFillOfTheirColour) {
    Widget dialog;
    ASSERT_TRUE(createDialogWindow(dialog, 0, 0, 200, 100, u"Pick"));
    dialog.ctbg = 0xFF123456u;
    window.ctawa = 0xFF654321u;
    EXPECT_TRUE(paint(window).empty()); // GDI only
    EXPECT_EQ(platform::testing::surfacePixel(window.backDC, 1, 1), 0xFF654321u);
    paint(dialog);
    EXPECT_EQ(platform::testing::surfacePixel(dialog.backDC, 1, 1), 0xFF123456u);

    dropBackBuffer(dialog);
    const std::size_t gdiBefore = platform::headless::liveGdiObjects();
    EXPECT_TRUE(paint(dialog).empty());
    EXPECT_EQ(platform::headless::liveGdiObjects(), gdiBefore);
    dialog.destroy();
}

TEST_F(PaintFrameTest, AnUnchangedWidgetIsOnlyCopiedFromItsBackBufferAndAChangedOneIsDrawnAgain) {
    ASSERT_FALSE(paint(button).empty());
    EXPECT_TRUE(paint(button).empty()); // painted again as it is: the buffer is only copied

    // Whatever the painter reads draws it afresh.
    button.setText(u"Sent");
    EXPECT_FALSE(paint(button).empty());
    button.cttn ^= 1u;
    EXPECT_FALSE(paint(button).empty());
    button.hasFocus = true;
    EXPECT_FALSE(paint(button).empty());
    setBounds(button, 10, 10, 120, 25); // a new buffer
    EXPECT_FALSE(paint(button).empty());
    EXPECT_TRUE(paint(button).empty());
    // An overlay may draw anything: such a widget is always drawn.
    button.onOverlay = recordOverlay;
    EXPECT_FALSE(paint(button).empty());
    EXPECT_FALSE(paint(button).empty());
}

TEST_F(PaintFrameTest, TextFieldPaintsNothingOfItsOwn) {
    EXPECT_TRUE(paint(field).empty());
}

TEST_F(PaintFrameTest, NoGraphicsContextDrawsNothingSilentlyForTheOtherKinds) {
    for (Widget* w : {&button, &label}) {
        platform::headless::makeNextGraphicsFail();
        EXPECT_TRUE(paint(*w).empty());
    }
    EXPECT_TRUE(platform::headless::shownBoxes().empty());
}

} // namespace
} // namespace zor::render_test
