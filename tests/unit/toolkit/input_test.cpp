// Clicks, radio groups, check boxes, hover and the event gate, with the platform's own mouse input.
#include "platform/window.h"
#include "support/toolkit_fixture.h"
#include "toolkit/layout.h"

namespace zor {
namespace {

using testing::click;
using testing::hover;
using testing::moveAway;
using testing::pressAndHold;
using testing::release;

struct Seen {
    int clicks = 0;
    bool checkedInHandler = false;
    Widget* last = nullptr;
};
Seen seen;

void onClickRecord(Widget& w) {
    ++seen.clicks;
    seen.checkedInHandler = w.checked;
    seen.last = &w;
}

class InputTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        seen = Seen{};
        openMainWindow();
    }
};

TEST_F(InputTest, ButtonClickRunsTheHandlerAndLeavesTheMouseOverState) {
    Widget button;
    createButton(main, button, u"Go", 10, 10, 120, 30, onClickRecord);
    click(button);
    EXPECT_EQ(seen.clicks, 1);
    EXPECT_EQ(seen.last, &button);
    EXPECT_EQ(button.visualState, MouseOver);
    EXPECT_EQ(toolkit.focusedWidget, &button);
    moveAway();
    EXPECT_EQ(button.visualState, Normal);
    EXPECT_FALSE(button.mouseInside);
}

TEST_F(InputTest, RadioGroupSelectsOneAndTheHandlerSeesItSelected) {
    Widget a, b, c, loner;
    createRadioButton(main, a, u"A", 10, 10, 100, 24, onClickRecord);
    a.beginGroup();
    createRadioButton(main, b, u"B", 10, 40, 100, 24, onClickRecord);
    createRadioButton(main, c, u"C", 10, 70, 100, 24, onClickRecord);
    c.endGroup();
    createRadioButton(main, loner, u"D", 10, 100, 100, 24, onClickRecord);
    EXPECT_EQ(a.groupNext, &b);
    EXPECT_EQ(b.groupNext, &c);
    EXPECT_EQ(c.groupNext, nullptr);
    EXPECT_EQ(c.groupHead, &a);
    EXPECT_EQ(loner.groupHead, nullptr);

    a.checked = c.checked = true;
    loner.checked = true;
    click(b);
    EXPECT_TRUE(seen.checkedInHandler);
    EXPECT_FALSE(a.checked);
    EXPECT_TRUE(b.checked);
    EXPECT_FALSE(c.checked);
    EXPECT_TRUE(loner.checked); // not in the group
    click(b);
    EXPECT_TRUE(b.checked);
    loner.checked = false;
    click(loner);
    EXPECT_FALSE(loner.checked); // a radio button in no group does not select itself
    EXPECT_TRUE(b.checked);
    EXPECT_EQ(seen.clicks, 3);
}

TEST_F(InputTest, CheckBoxHandlerSeesTheOldStateThenItFlips) {
    Widget box;
    createCheckBox(main, box, u"Reflect", 10, 10, 150, 28, onClickRecord);
    EXPECT_TRUE(box.togglesOnClick);
    click(box);
    EXPECT_FALSE(seen.checkedInHandler);
    EXPECT_TRUE(box.checked);
    click(box);
    EXPECT_TRUE(seen.checkedInHandler);
    EXPECT_FALSE(box.checked);
}

TEST_F(InputTest, PressLeaveReleaseGivesNoClick) {
    Widget button, other;
    createButton(main, button, u"Go", 10, 10, 120, 30, onClickRecord);
    createButton(main, other, u"Other", 10, 100, 120, 30, nullptr);
    pressAndHold(button);
    EXPECT_EQ(button.visualState, MouseDown);
    hover(other); // leaving the button clears its press
    release(other);
    EXPECT_EQ(seen.clicks, 0);
    EXPECT_EQ(button.visualState, Normal);
    EXPECT_FALSE(button.leftDown);
}

TEST_F(InputTest, ClosedGateStillUpdatesSelectionAndLooksButRunsNoHandler) {
    Widget box, a, b;
    createCheckBox(main, box, u"x", 10, 10, 100, 28, onClickRecord);
    createRadioButton(main, a, u"A", 10, 50, 100, 24, onClickRecord);
    a.beginGroup();
    createRadioButton(main, b, u"B", 10, 80, 100, 24, onClickRecord);
    b.endGroup();
    a.checked = true;
    toolkit.eventsEnabled = false;
    click(box);
    click(b);
    EXPECT_EQ(seen.clicks, 0);
    EXPECT_TRUE(box.checked);
    EXPECT_TRUE(b.checked);
    EXPECT_FALSE(a.checked);
    EXPECT_EQ(b.visualState, MouseOver);
}

TEST_F(InputTest, DisabledWidgetNeverClicks) {
    Widget button;
    createButton(main, button, u"Go", 10, 10, 120, 30, onClickRecord);
    setEnabled(button, false);
    click(button);
    EXPECT_EQ(seen.clicks, 0);
    EXPECT_EQ(button.visualState, Disabled);
    setEnabled(button, true);
    click(button);
    EXPECT_EQ(seen.clicks, 1);
}

} // namespace
} // namespace zor
