// Window procedure details that the headless backend lets a test see exactly: messages sent directly,
// GDI objects, message boxes, repaint requests.
#include "platform/gdi.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_gdi.h"
#include "platform/test_input.h"
#include "platform/window.h"
#include "support/toolkit_fixture.h"
#include "toolkit/colour.h"
#include "toolkit/layout.h"

namespace zor {
namespace {

using namespace platform;

int enters = 0, leaves = 0, wheels = 0, rightClicks = 0, sizes = 0, moves = 0, resizedEnds = 0;
void countEnter(Widget&) {
    ++enters;
}
void countLeave(Widget&) {
    ++leaves;
}
void countWheel(Widget&) {
    ++wheels;
}
void countRightClick(Widget&) {
    ++rightClicks;
}
void countSize(Widget&) {
    ++sizes;
}
void countMove(Widget&) {
    ++moves;
}
void countResized(Widget&) {
    ++resizedEnds;
}

class WindowProcedureTest : public zor::testing::ToolkitTest {
  protected:
    void SetUp() override {
        zor::testing::ToolkitTest::SetUp();
        headless::clearDialogLog();
        enters = leaves = wheels = rightClicks = sizes = moves = resizedEnds = 0;
        openMainWindow();
    }
};

TEST_F(WindowProcedureTest, PointerPositionIsTakenAsUnsignedHalves) {
    Widget button;
    createButton(main, button, u"b", 10, 10, 100, 30, nullptr);
    sendMessage(button.window, msg::MouseMove, 0x0008, makeLParam(0xFFFE, 7));
    EXPECT_EQ(button.mouseX, 0xFFFEu);
    EXPECT_EQ(button.mouseY, 7u);
    EXPECT_EQ(button.mouseKeys, 8u);
}

TEST_F(WindowProcedureTest, EnterAndLeaveRunOncePerVisitAndMovingInsideRepaintsNothing) {
    Widget button;
    createButton(main, button, u"b", 10, 10, 100, 30, nullptr);
    button.onMouseEnter = countEnter;
    button.onMouseLeave = countLeave;
    zor::testing::pumpPending();
    sendMessage(button.window, msg::MouseMove, 0, makeLParam(5, 5));
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(button.visualState, MouseOver);
    zor::testing::pumpPending();
    sendMessage(button.window, msg::MouseMove, 0, makeLParam(6, 6));
    EXPECT_EQ(enters, 1);
    EXPECT_FALSE(headless::isInvalidated(button.window));
    sendMessage(button.window, msg::MouseLeave, 0, 0);
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(button.visualState, Normal);
    EXPECT_TRUE(headless::isInvalidated(button.window));
}

TEST_F(WindowProcedureTest, WheelRightClickAndMoveSizeLoop) {
    Widget button;
    createButton(main, button, u"b", 10, 10, 100, 30, nullptr);
    button.onWheel = countWheel;
    button.onRightClick = countRightClick;
    button.onResized = countResized;
    sendMessage(button.window, msg::MouseWheel, makeWParam(0, static_cast<std::uint32_t>(-120) & 0xFFFF), 0);
    EXPECT_EQ(button.wheelDelta, -120);
    EXPECT_EQ(wheels, 1);
    sendMessage(button.window, msg::RightDown, 0, 0);
    EXPECT_EQ(button.visualState, MouseDown);
    sendMessage(button.window, msg::RightUp, 0, 0);
    EXPECT_EQ(rightClicks, 1);
    sendMessage(button.window, msg::RightUp, 0, 0); // no press before: no click
    EXPECT_EQ(rightClicks, 1);
    setBounds(button, 10, 10, 120, 30);
    EXPECT_TRUE(button.resized);
    sendMessage(button.window, msg::ExitSizeMove, 0, 0);
    EXPECT_EQ(resizedEnds, 1);
    EXPECT_FALSE(button.resized);
}

TEST_F(WindowProcedureTest, MovesAndSizesAreReadBackFromTheWindow) {
    Widget group;
    createGroupBox(main, group, u"g", 10, 10, 100, 50);
    // The first paint draws straight onto the window, the second makes the back buffer.
    sendMessage(group.window, msg::Paint, 0, 0);
    sendMessage(group.window, msg::Paint, 0, 0);
    group.onSize = countSize;
    group.onMove = countMove;
    setBounds(group, 30, 40, 200, 80);
    EXPECT_EQ(group.x, 30);
    EXPECT_EQ(group.y, 40);
    EXPECT_EQ(group.width, 200);
    EXPECT_EQ(group.height, 80);
    EXPECT_EQ(group.clientRect.right, 200);
    EXPECT_EQ(sizes, 1);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(headless::bitmapWidth(group.backBitmap), 200);
    growBy(group, 1, 1, -10, -10);
    EXPECT_EQ(group.x, 31);
    EXPECT_EQ(group.width, 190);
    moveTo(main, 100, 120);
    EXPECT_EQ(main.x, 100); // top-level windows keep their screen position
    EXPECT_EQ(main.y, 120);
}

TEST_F(WindowProcedureTest, FailedBackBufferRebuildIsReportedOnceAndTheWidgetErasesThroughThePlatform) {
    Widget group;
    createGroupBox(main, group, u"g", 10, 10, 100, 50);
    sendMessage(group.window, msg::Paint, 0, 0);
    EXPECT_EQ(group.backDC, nullptr); // the first paint draws straight onto the window
    sendMessage(group.window, msg::Paint, 0, 0);
    ASSERT_NE(group.backDC, nullptr);
    headless::makeNextSurfaceFail();
    setBounds(group, 10, 10, 120, 60);
    ASSERT_EQ(headless::shownBoxes().size(), 1u);
    EXPECT_EQ(headless::shownBoxes()[0].text, u"Unable to create back buffer.");
    EXPECT_EQ(headless::shownBoxes()[0].caption, u"*Debug*");
    EXPECT_EQ(group.backDC, nullptr);
    setBounds(group, 10, 10, 130, 70); // no back buffer any more: not rebuilt, no new box
    EXPECT_EQ(headless::shownBoxes().size(), 1u);
    SurfaceHandle screen = windowSurface(group.window);
    EXPECT_EQ(sendMessage(group.window, msg::EraseBackground, reinterpret_cast<WParam>(screen), 0), 0);
    releaseWindowSurface(group.window, screen);
    Widget other;
    createGroupBox(main, other, u"h", 10, 100, 100, 50);
    sendMessage(other.window, msg::Paint, 0, 0);
    sendMessage(other.window, msg::Paint, 0, 0);
    EXPECT_EQ(sendMessage(other.window, msg::EraseBackground, 0, 0), 1);
}

TEST_F(WindowProcedureTest, ColourRequestsGiveTheFieldColoursAndReplaceTheBrush) {
    Widget field;
    createTextField(main, field, u"", 10, 10, 100, 25, 0, nullptr);
    field.cttn = 0xFF282828;
    field.ctebg = 0xFFE0FFFF;
    field.cttd = 0xFF505050;
    field.ctfd = 0xFFB4B4B4;
    const std::size_t objects = headless::liveGdiObjects();
    const auto editable = reinterpret_cast<GdiObject>(sendMessage(field.window, msg::ColourEdit, 0, 0));
    EXPECT_EQ(editable, field.ctlBrush);
    EXPECT_EQ(headless::objectColour(editable), ToColorRef(0xFFE0FFFF));
    const auto readOnly = reinterpret_cast<GdiObject>(sendMessage(field.window, msg::ColourStatic, 0, 0));
    EXPECT_EQ(headless::objectColour(readOnly), ToColorRef(0xFFB4B4B4));
    EXPECT_EQ(headless::liveGdiObjects(), objects); // the old brush was deleted each time
}

TEST_F(WindowProcedureTest, TextFieldGetsItsFontBrushAndEditControlAtCreation) {
    Widget field;
    main.ctbg = 0xFFDCDCDC;
    createTextField(main, field, u"abc", 10, 10, 100, 25, 0, nullptr);
    EXPECT_EQ(headless::fontHeight(field.editFont), 16);
    EXPECT_EQ(headless::fontWeight(field.editFont), 500);
    EXPECT_EQ(headless::fontFace(field.editFont), u"Arial");
    EXPECT_EQ(headless::windowExStyle(field.editWindow), 0x200u);
    EXPECT_EQ(headless::windowStyle(field.editWindow), 0x50800080u); // with auto-scroll
    EXPECT_EQ(headless::editMargins(field.editWindow).x, 1);
    EXPECT_EQ(headless::editMargins(field.editWindow).y, 1);
    EXPECT_EQ(headless::className(field.window), u"WinObj");
}

TEST_F(WindowProcedureTest, SetTextRepaintsOnlyWithAText) {
    Widget label;
    createLabel(main, label, u"a", 10, 10, 100, 25, true, 1, 1);
    zor::testing::pumpPending();
    label.setText(nullptr);
    EXPECT_FALSE(headless::isInvalidated(label.window));
    label.setTextInt(-5);
    EXPECT_TRUE(headless::isInvalidated(label.window));
    EXPECT_EQ(std::u16string(label.caption()), u"-5");
    label.setTextFloat(0.1f);
    EXPECT_EQ(std::u16string(label.caption()), u"0.100000");
    main.setText(u"New title");
    char16_t title[32] = {};
    windowText(main.window, title, 32);
    EXPECT_EQ(std::u16string(title), u"New title");
}

TEST_F(WindowProcedureTest, EnterAndTabInASingleLineFieldNeverReachItsEditControl) {
    Widget field, digits;
    createTextField(main, field, u"1", 10, 10, 100, 25, 0, nullptr);
    createTextField(main, digits, u"", 10, 50, 100, 25, style::EditNumber, nullptr);
    focusTextField(field, true);
    zor::testing::pressKey(key::Enter);
    zor::testing::pressKey(key::Tab);
    EXPECT_EQ(headless::refusedCharacters(), u"");
    // A character that does reach an edit control and is refused there is seen.
    focusTextField(digits, true);
    platform::testing::typeText(u"x");
    zor::testing::pumpPending();
    EXPECT_EQ(headless::refusedCharacters(), u"x");
}

TEST_F(WindowProcedureTest, ClassIsRegisteredOnceAndGraphicsStartedOnce) {
    Widget a, b;
    createButton(main, a, u"a", 0, 0, 10, 10, nullptr);
    createButton(main, b, u"b", 0, 20, 10, 10, nullptr);
    EXPECT_TRUE(isWidgetClassRegistered());
    EXPECT_TRUE(headless::shownBoxes().empty()); // no "failed to register"
    EXPECT_TRUE(toolkit.graphicsStarted);
}

} // namespace
} // namespace zor
