// Mouse input lands where the pointer is, not on the window a test names: clipped, covered, hidden
// and disabled widgets, as measured under Wine; the headless backend must agree.
#include "platform/test_input.h"
#include "platform/window.h"
#include "support/toolkit_fixture.h"
#include "toolkit/layout.h"

#include <vector>

namespace zor {
namespace {

std::vector<Widget*> pressed;
void recordPress(Widget& w) {
    pressed.push_back(&w);
}

class PointerRoutingTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        pressed.clear();
        openMainWindow();
        main.onLeftDown = recordPress;
    }
    // Presses and releases the left button at a point of the widget's client area and handles the
    // messages until the press reached the window that should get it.
    static void clickAt(Widget& w, std::int32_t x, std::int32_t y, Widget* expected) {
        platform::testing::leftDown(w.window, x, y);
        platform::testing::leftUp(w.window, x, y);
        ASSERT_TRUE(testing::pumpUntil([&] { return !pressed.empty() && pressed.back() == expected; }, 3000));
    }
};

TEST_F(PointerRoutingTest, APressGoesToTheWidgetWhoseVisiblePartIsUnderThePointer) {
    Widget group, clipped, first, second, hidden;
    createGroupBox(main, group, u"g", 10, 10, 200, 100);
    // Reaches past the group's right edge: only its first 10 pixels are on screen.
    createButton(group, clipped, u"c", 190, 20, 60, 30, nullptr);
    createButton(main, first, u"1", 10, 150, 100, 30, nullptr);
    createButton(main, second, u"2", 60, 150, 100, 30, nullptr); // overlaps the right half of "1"
    createButton(main, hidden, u"h", 250, 150, 60, 30, nullptr);
    hide(hidden);
    for (Widget* w : {&group, &clipped, &first, &second, &hidden})
        w->onLeftDown = recordPress;
    testing::pumpPending();

    clickAt(clipped, 40, 15, &main); // outside the group: the main window's own area
    clickAt(clipped, 5, 15, &clipped);
    EXPECT_EQ(main.mouseX, static_cast<std::uint32_t>(10 + 190 + 40));
    clickAt(first, 75, 15, &first); // siblings first created stay on top
    clickAt(second, 75, 15, &second);
    clickAt(hidden, 30, 15, &main);
    EXPECT_EQ(pressed, (std::vector<Widget*>{&main, &clipped, &first, &second, &main}));
    EXPECT_EQ(main.mouseX, 280u);
    EXPECT_EQ(main.mouseY, 165u);
}

TEST_F(PointerRoutingTest, ADisabledWidgetPassesThePressToTheWindowBelowIt) {
    Widget group, disabled;
    createGroupBox(main, group, u"g", 10, 10, 200, 100);
    createButton(group, disabled, u"d", 10, 20, 80, 30, nullptr);
    group.onLeftDown = recordPress;
    disabled.onLeftDown = recordPress;
    setEnabled(disabled, false);
    testing::pumpPending();
    clickAt(disabled, 40, 15, &group);
    EXPECT_EQ(pressed, (std::vector<Widget*>{&group}));
    EXPECT_EQ(group.mouseX, 50u);
    EXPECT_EQ(group.mouseY, 35u);

    // A disabled top-level window drops the press: neither it nor anything in it gets one.
    platform::enableWindow(main.window, false);
    platform::testing::leftDown(group.window, 150, 80);
    platform::testing::leftUp(group.window, 150, 80);
    testing::pumpFor(300);
    platform::enableWindow(main.window, true);
    clickAt(group, 150, 70, &group);
    EXPECT_EQ(pressed, (std::vector<Widget*>{&group, &group}));
}

TEST_F(PointerRoutingTest, LeaveFollowsTheWidgetUnderThePointer) {
    Widget first, second;
    createButton(main, first, u"1", 10, 10, 100, 30, nullptr);
    createButton(main, second, u"2", 60, 10, 100, 30, nullptr);
    testing::pumpPending();
    // Named "second", but the point is on "first", which is on top.
    platform::testing::mouseMove(second.window, 10, 15);
    ASSERT_TRUE(testing::pumpUntil([&] { return first.mouseInside; }, 3000));
    EXPECT_FALSE(second.mouseInside);
    platform::testing::mouseMove(second.window, 80, 15);
    ASSERT_TRUE(testing::pumpUntil([&] { return second.mouseInside && !first.mouseInside; }, 3000));
}

} // namespace
} // namespace zor
